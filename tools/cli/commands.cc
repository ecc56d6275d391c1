#include "cli/commands.h"

#include <CLI/CLI.hpp>
#include <cstddef>
#include <exception>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "cli/batch.h"
#include "cli/check_data.h"
#include "cli/number_text.h"
#include "cli/suggest.h"
#ifdef TESSERA_SERVE
#include "cli/serve_command.h"
#endif
#include "tessera/bounding_box.h"
#include "tessera/coordinates.h"
#include "tessera/grid_line.h"
#include "tessera/optional.h"
#include "tessera/version.h"

namespace tessera {
namespace cli {
namespace {

// An argument the command cannot use (a latitude that is not a number).
class ArgumentError : public std::runtime_error {
 public:
  explicit ArgumentError(const std::string& message)
      : std::runtime_error(message) {}
};

// What a command works with: its checked arguments, its output, and the
// engine, built on first use.
class Context {
 public:
  Context(const Console& console, const EngineFactory& make_engine,
          EngineKind kind, const std::string& data_dir)
      : console_(console),
        make_engine_(make_engine),
        kind_(kind),
        data_dir_(data_dir) {}

  std::ostream& out() { return console_.out; }
  std::istream& in() { return console_.in; }

  const Engine& engine() {
    if (!engine_) engine_ = make_engine_(kind_, data_dir_);
    return *engine_;
  }

  // Says why there is no result, and gives the status that says so.
  int no_result(const char* why) {
    console_.err << "tessera: " << why << '\n';
    return kExitNoResult;
  }

 private:
  const Console& console_;
  const EngineFactory& make_engine_;
  EngineKind kind_;
  std::string data_dir_;
  std::unique_ptr<Engine> engine_;
};

double number_arg(const std::string& text, const char* name) {
  double value = 0.0;
  if (!parse_double(text, value)) {
    throw ArgumentError(std::string(name) + " is not a number: \"" + text +
                        "\"");
  }
  return value;
}

struct LatLng {
  double lat;
  double lng;
};

LatLng lat_lng_args(const std::string& lat, const std::string& lng,
                    const char* lat_name, const char* lng_name) {
  return {number_arg(lat, lat_name), number_arg(lng, lng_name)};
}

Coordinates coordinates(const LatLng& p) { return Coordinates(p.lat, p.lng); }

std::string position_text(const Coordinates& p) {
  return decimal_text(p.lat, 6) + "," + decimal_text(p.lng, 6);
}

using Args = std::vector<std::string>;
using Action = int (*)(const Args& args, Context& context);

// One subcommand: its name, what it does, its positional arguments (name
// and description) and what it runs.
struct Command {
  const char* name;
  const char* description;
  std::vector<std::pair<const char*, const char*>> positionals;
  Action action;
};

const char kLat[] = "Latitude in degrees, north positive";
const char kLng[] = "Longitude in degrees, east positive";

const std::vector<Command>& commands() {
  static const std::vector<Command> kCommands = {
      {"convert",
       "Print the three-word address of the square holding a position",
       {{"LAT", kLat}, {"LNG", kLng}, {"LANG", "Language code, such as en"}},
       [](const Args& args, Context& context) {
         const LatLng at = lat_lng_args(args[0], args[1], "LAT", "LNG");
         const Optional<std::string> words =
             context.engine().convert_to_3wa(coordinates(at), args[2]);
         if (!words) return context.no_result("no address for this position");
         context.out() << *words << '\n';
         return kExitSuccess;
       }},
      {"reverse",
       "Print the centre of the square a three-word address names",
       {{"ADDRESS", "Three-word address, such as index.home.raft"}},
       [](const Args& args, Context& context) {
         const Optional<Coordinates> centre =
             context.engine().convert_to_coordinates(args[0]);
         if (!centre) return context.no_result("not a three-word address");
         context.out() << position_text(*centre) << '\n';
         return kExitSuccess;
       }},
      {"language",
       "Print the language code of a three-word address",
       {{"ADDRESS", "Three-word address"}},
       [](const Args& args, Context& context) {
         const Optional<std::string> code =
             context.engine().language_code(args[0]);
         if (!code) return context.no_result("not a three-word address");
         context.out() << *code << '\n';
         return kExitSuccess;
       }},
      {"nearest",
       "Print the name of the place nearest to a position",
       {{"LAT", kLat}, {"LNG", kLng}, {"LANG", "Language code, such as en"}},
       [](const Args& args, Context& context) {
         const LatLng at = lat_lng_args(args[0], args[1], "LAT", "LNG");
         const Optional<std::string> place =
             context.engine().nearest_place(coordinates(at), args[2]);
         if (!place) return context.no_result("no place near this position");
         context.out() << *place << '\n';
         return kExitSuccess;
       }},
      {"country",
       "Print the country code at a position (ZZ for none)",
       {{"LAT", kLat}, {"LNG", kLng}},
       [](const Args& args, Context& context) {
         const LatLng at = lat_lng_args(args[0], args[1], "LAT", "LNG");
         context.out() << context.engine().country_code(coordinates(at))
                       << '\n';
         return kExitSuccess;
       }},
      {"square",
       "Print the south-west and north-east corners of the square holding "
       "a position",
       {{"LAT", kLat}, {"LNG", kLng}},
       [](const Args& args, Context& context) {
         const LatLng at = lat_lng_args(args[0], args[1], "LAT", "LNG");
         const BoundingBox box = context.engine().grid_square(coordinates(at));
         context.out() << position_text(box.sw) << ' ' << position_text(box.ne)
                       << '\n';
         return kExitSuccess;
       }},
      {"section",
       "Print the grid lines inside a small box, one \"start end\" per line",
       {{"SWLAT", "Latitude of the south-west corner"},
        {"SWLNG", "Longitude of the south-west corner"},
        {"NELAT", "Latitude of the north-east corner"},
        {"NELNG", "Longitude of the north-east corner"}},
       [](const Args& args, Context& context) {
         const LatLng sw = lat_lng_args(args[0], args[1], "SWLAT", "SWLNG");
         const LatLng ne = lat_lng_args(args[2], args[3], "NELAT", "NELNG");
         const BoundingBox box(coordinates(sw), coordinates(ne));
         for (const GridLine& line : context.engine().grid_section(box)) {
           context.out() << position_text(line.start_point) << ' '
                         << position_text(line.end_point) << '\n';
         }
         return kExitSuccess;
       }},
      {"distance",
       "Print the distance between two positions in kilometres",
       {{"LAT1", kLat}, {"LNG1", kLng}, {"LAT2", kLat}, {"LNG2", kLng}},
       [](const Args& args, Context& context) {
         const LatLng a = lat_lng_args(args[0], args[1], "LAT1", "LNG1");
         const LatLng b = lat_lng_args(args[2], args[3], "LAT2", "LNG2");
         const double km =
             context.engine().distance(coordinates(a), coordinates(b));
         context.out() << decimal_text(km, 6) << '\n';
         return kExitSuccess;
       }},
      {"languages",
       "Print the codes of the languages the data holds, one per line",
       {},
       [](const Args&, Context& context) {
         for (const std::string& code :
              context.engine().available_languages()) {
           context.out() << code << '\n';
         }
         return kExitSuccess;
       }},
      {"data-version",
       "Print the version of the data set",
       {},
       [](const Args&, Context& context) {
         context.out() << context.engine().data_version() << '\n';
         return kExitSuccess;
       }},
      {"batch",
       "Answer JSON requests read from standard input, one per line",
       {},
       [](const Args&, Context& context) {
         run_batch(context.engine(), context.in(), context.out());
         return kExitSuccess;
       }},
  };
  return kCommands;
}

}  // namespace

int run_tool(const std::vector<std::string>& args, const Console& console,
             const EngineFactory& make_engine) {
  try {
    CLI::App app{"tessera: three-word addresses from positions and back",
                 "tessera"};
    app.require_subcommand(1);
    std::string data_dir = kDefaultDataDir;
    std::string engine_name = "device";
    app.add_option("--data", data_dir, "Data directory")->capture_default_str();
    app.add_option("--engine", engine_name,
                   "device reads large data files on demand; server loads "
                   "them into memory")
        ->check(CLI::IsMember({"device", "server"}))
        ->capture_default_str();

    app.add_subcommand("version", "Print the engine version (needs no data)")
        ->fallthrough();
    std::string check_dir;
    CLI::App* check_data_command = app.add_subcommand(
        "check-data",
        "Check that a data directory is whole and that both engines load it");
    check_data_command->add_option("DIR", check_dir, "Data directory")
        ->required();
    check_data_command->footer(kCheckDataHelp);
    check_data_command->fallthrough();

    // The arguments of each command, bound before any parsing.
    std::vector<Args> values;
    values.reserve(commands().size());
    std::vector<CLI::App*> subcommands;
    for (const Command& command : commands()) {
      CLI::App* sub = app.add_subcommand(command.name, command.description);
      sub->fallthrough();
      values.emplace_back(command.positionals.size());
      for (std::size_t i = 0; i < command.positionals.size(); ++i) {
        sub->add_option(command.positionals[i].first, values.back()[i],
                        command.positionals[i].second)
            ->required();
      }
      subcommands.push_back(sub);
    }
    const SuggestCommand suggest(app);
#ifdef TESSERA_SERVE
    const ServeCommand serve(app);
#endif

    try {
      std::vector<std::string> reversed(args.rbegin(), args.rend());
      app.parse(reversed);
    } catch (const CLI::ParseError& e) {
      return app.exit(e, console.out, console.err) == 0 ? kExitSuccess
                                                        : kExitUsage;
    }

    if (app.got_subcommand("version")) {
      console.out << kEngineVersion << '\n';
      return kExitSuccess;
    }
    if (app.got_subcommand(check_data_command)) {
      return check_data(check_dir, console, make_engine);
    }
    const EngineKind kind =
        engine_name == "server" ? EngineKind::kServer : EngineKind::kDevice;
    Context context(console, make_engine, kind, data_dir);
#ifdef TESSERA_SERVE
    if (serve.parsed()) return serve.run(console, make_engine, data_dir);
#endif
    if (suggest.parsed()) {
      return suggest.run(
          console, [&context]() -> const Engine& { return context.engine(); });
    }
    for (std::size_t i = 0; i < subcommands.size(); ++i) {
      if (subcommands[i]->parsed()) {
        return commands()[i].action(values[i], context);
      }
    }
    return kExitUsage;  // require_subcommand(1) leaves no other case
  } catch (const ArgumentError& e) {
    console.err << "tessera: " << e.what() << '\n';
    return kExitUsage;
  } catch (const std::exception& e) {
    console.err << "tessera: " << e.what() << '\n';
    return kExitFailure;
  } catch (...) {
    console.err << "tessera: unknown exception\n";
    return kExitFailure;
  }
}

}  // namespace cli
}  // namespace tessera
