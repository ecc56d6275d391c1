#include "cli/suggest.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <set>
#include <stdexcept>
#include <streambuf>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "cli/json_writer.h"
#include "cli/number_text.h"
#include "tessera/autosuggest_options.h"
#include "tessera/bounding_box.h"
#include "tessera/circle.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"
#include "tessera/language.h"
#include "tessera/polygon.h"
#include "tessera/suggestion.h"

namespace tessera {
namespace cli {
namespace {

// Standard input beyond this is not read: the engine refuses far shorter
// input anyway, and the tool should not fill memory first.
constexpr std::size_t kMaxStandardInputBytes = std::size_t{1} << 20;

// A flag value the command cannot use.
class FlagError : public std::runtime_error {
 public:
  explicit FlagError(const std::string& message)
      : std::runtime_error(message) {}
};

std::vector<std::string_view> split_at_commas(std::string_view text) {
  std::vector<std::string_view> items;
  for (;;) {
    const std::size_t comma = text.find(',');
    items.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return items;
    text.remove_prefix(comma + 1);
  }
}

// The numbers of a flag's value "A,B,...". `shape` names them for the
// message ("LAT,LNG"); with `pairs` any positive even count is accepted,
// otherwise exactly `count`.
std::vector<double> numbers(const char* flag, const std::string& value,
                            const char* shape, std::size_t count,
                            bool pairs = false) {
  const std::vector<std::string_view> items = split_at_commas(value);
  const bool count_fits = pairs ? items.size() % 2 == 0 : items.size() == count;
  if (!count_fits) {
    throw FlagError(std::string(flag) + " must be " + shape + ", not \"" +
                    value + "\"");
  }
  std::vector<double> result(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!parse_double(items[i], result[i])) {
      throw FlagError(std::string(flag) + ": \"" + std::string(items[i]) +
                      "\" is not a number");
    }
  }
  return result;
}

std::uint32_t whole_number(const char* flag, const std::string& value) {
  std::uint32_t n = 0;
  const char* const last = value.data() + value.size();
  const auto result = std::from_chars(value.data(), last, n);
  if (value.empty() || result.ec != std::errc() || result.ptr != last) {
    throw FlagError(std::string(flag) +
                    " must be a whole number from 0 to 4294967295, not \"" +
                    value + "\"");
  }
  return n;
}

std::vector<std::string> country_codes(const char* flag,
                                       const std::string& value) {
  std::vector<std::string> codes;
  for (const std::string_view code : split_at_commas(value)) {
    if (code.empty()) {
      throw FlagError(std::string(flag) +
                      " must be country codes separated by commas, not \"" +
                      value + "\"");
    }
    codes.emplace_back(code);
  }
  return codes;
}

bool truth(const char* flag, const std::string& value) {
  if (value == "true") return true;
  if (value == "false") return false;
  throw FlagError(std::string(flag) + " must be true or false, not \"" + value +
                  "\"");
}

// All of standard input, less one final line break ("\n" or "\r\n").
std::string read_standard_input(std::istream& in) {
  std::string text;
  std::streambuf* const buffer = in.rdbuf();
  for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof();
       c = buffer->sbumpc()) {
    if (text.size() == kMaxStandardInputBytes) {
      throw FlagError("standard input is longer than " +
                      std::to_string(kMaxStandardInputBytes) + " bytes");
    }
    text.push_back(static_cast<char>(c));
  }
  if (!text.empty() && text.back() == '\n') text.pop_back();
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

void print_lines(const std::vector<Suggestion>& suggestions,
                 std::ostream& out) {
  for (const Suggestion& s : suggestions) {
    out << s.words << '\t' << s.language << '\t' << s.country << '\t'
        << s.nearest_place.value_or("");
    if (s.distance_to_focus_km) {
      out << '\t' << decimal_text(*s.distance_to_focus_km, 6);
    }
    out << '\n';
  }
}

}  // namespace

bool SuggestCommand::Flag::given() const { return option->count() > 0; }

SuggestCommand::SuggestCommand(CLI::App& app)
    : command_(app.add_subcommand(
          "suggest",
          "Print the addresses the input most likely means, one per line: "
          "words, language, country, nearest place and, with --focus, the "
          "distance in km, separated by tabs")) {
  command_->fallthrough();
  command_
      ->add_option("INPUT", input_,
                   "Text such as index.home.raf, or - to read it from "
                   "standard input")
      ->required();
  const auto add = [this](const char* name, Flag& flag, const char* shape,
                          const std::string& description) {
    flag.option = command_->add_option(name, flag.value, description)
                      ->type_name(shape)
                      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  };
  add("--language", language_, "CODE",
      "Search this language (a code such as en)");
  command_->add_flag("--disable-language-detection",
                     disable_language_detection_,
                     "Search only the language of --language");
  add("--n-results", n_results_, "N", "Print at most N suggestions (3)");
  add("--focus", focus_, "LAT,LNG",
      "Prefer suggestions near this position; each then shows its distance "
      "from it");
  add("--n-focus-results", n_focus_results_, "N",
      "With --focus, how many suggestions are the nearest ones (all)");
  add("--clip-circle", clip_circle_, "LAT,LNG,KM",
      "Only suggest squares within KM kilometres of the position");
  add("--clip-box", clip_box_, "SWLAT,SWLNG,NELAT,NELNG",
      "Only suggest squares in the box from the south-west to the north-east "
      "corner");
  add("--clip-polygon", clip_polygon_, "LAT,LNG,...",
      "Only suggest squares inside the polygon; its last point repeats the "
      "first");
  add("--clip-countries", clip_countries_, "CODE,...",
      "Only suggest squares in these countries (codes such as GB,FR; ZZ for "
      "no country)");
  add("--input-type", input_type_, "NAME",
      "How to read the input: text (typed, the default), generic-voice, or "
      "a recogniser's output such as vocon-hybrid");
  add("--prefer-land", prefer_land_, "true|false",
      "Leave out sea words and squares at sea (true)");
  command_->add_flag("--json", json_,
                     "Print the suggestions as one JSON array, as tessera "
                     "batch does");
}

bool SuggestCommand::parsed() const { return command_->parsed(); }

int SuggestCommand::run(const Console& console,
                        const std::function<const Engine&()>& engine) const {
  // Every flag's shape is checked before any value is built, so that a
  // malformed flag is a usage error whatever the other values.
  std::vector<std::function<AutosuggestOption()>> make_options;
  std::string input;
  try {
    if (language_.given()) {
      make_options.push_back(
          [code = language_.value] { return language(Language(code)); });
    }
    if (disable_language_detection_) {
      make_options.push_back([] { return disable_language_detection(); });
    }
    if (n_results_.given()) {
      const std::uint32_t n = whole_number("--n-results", n_results_.value);
      make_options.push_back([n] { return n_results(n); });
    }
    if (focus_.given()) {
      const auto p = numbers("--focus", focus_.value, "LAT,LNG", 2);
      make_options.push_back([p] { return focus(Coordinates(p[0], p[1])); });
    }
    if (n_focus_results_.given()) {
      const std::uint32_t n =
          whole_number("--n-focus-results", n_focus_results_.value);
      make_options.push_back([n] { return n_focus_results(n); });
    }
    if (clip_circle_.given()) {
      const auto c =
          numbers("--clip-circle", clip_circle_.value, "LAT,LNG,KM", 3);
      make_options.push_back([c] {
        return clip_to_circle(Circle(Coordinates(c[0], c[1]), c[2]));
      });
    }
    if (clip_box_.given()) {
      const auto b =
          numbers("--clip-box", clip_box_.value, "SWLAT,SWLNG,NELAT,NELNG", 4);
      make_options.push_back([b] {
        return clip_to_bounding_box(
            BoundingBox(Coordinates(b[0], b[1]), Coordinates(b[2], b[3])));
      });
    }
    if (clip_polygon_.given()) {
      const auto n = numbers("--clip-polygon", clip_polygon_.value,
                             "LAT,LNG pairs", 0, true);
      make_options.push_back([n] {
        std::vector<Coordinates> ring;
        for (std::size_t i = 0; i < n.size(); i += 2) {
          ring.emplace_back(n[i], n[i + 1]);
        }
        return clip_to_polygon(Polygon(ring));
      });
    }
    if (clip_countries_.given()) {
      const auto codes =
          country_codes("--clip-countries", clip_countries_.value);
      make_options.push_back([codes] {
        std::set<Country> countries;
        for (const std::string& code : codes) countries.insert(Country(code));
        return clip_to_countries(countries);
      });
    }
    if (input_type_.given()) {
      make_options.push_back(
          [name = input_type_.value] { return input_type(name); });
    }
    if (prefer_land_.given()) {
      const bool prefer = truth("--prefer-land", prefer_land_.value);
      make_options.push_back([prefer] { return prefer_land(prefer); });
    }
    input = input_ == "-" ? read_standard_input(console.in) : input_;
  } catch (const FlagError& e) {
    console.err << "tessera: " << e.what() << '\n';
    return kExitUsage;
  }

  std::vector<AutosuggestOption> options;
  for (const auto& make : make_options) options.push_back(make());
  const std::vector<Suggestion> suggestions =
      engine().autosuggest(std::move(input), std::move(options));
  if (json_) {
    JsonWriter json;
    json.suggestions(suggestions);
    console.out << json.line() << '\n';
  } else {
    print_lines(suggestions, console.out);
  }
  if (suggestions.empty()) {
    console.err << "tessera: no suggestions\n";
    return kExitNoResult;
  }
  return kExitSuccess;
}

}  // namespace cli
}  // namespace tessera
