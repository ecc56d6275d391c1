#include "cli/batch.h"

#include <rapidjson/document.h>

#include <exception>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <utility>

#include "cli/autosuggest_request.h"
#include "cli/json_request.h"
#include "cli/json_writer.h"
#include "tessera/bounding_box.h"
#include "tessera/coordinates.h"
#include "tessera/error.h"
#include "tessera/language.h"

namespace tessera {
namespace cli {
namespace {

Coordinates coordinates(const Degrees& d) { return Coordinates(d.lat, d.lng); }

// Each op reads all its fields before it builds a value or calls the
// engine, so that a malformed request is a usage error whatever its values.
using Answer = void (*)(const Engine&, const Fields&, JsonWriter&);

struct Op {
  const char* name;
  Answer answer;
};

const Op kOps[] = {
    {"convert_to_3wa",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       const Degrees at = request.lat_lng();
       const std::string language = request.string("language");
       out.optional_text(engine.convert_to_3wa(coordinates(at), language));
     }},
    {"convert_to_coordinates",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       out.optional_position(
           engine.convert_to_coordinates(request.string("address")));
     }},
    {"language_code",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       out.optional_text(engine.language_code(request.string("address")));
     }},
    {"nearest_place",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       const Degrees at = request.lat_lng();
       const std::string language = request.string("language");
       out.optional_text(engine.nearest_place(coordinates(at), language));
     }},
    {"country_code",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       out.text(engine.country_code(coordinates(request.lat_lng())));
     }},
    {"grid_square",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       out.square(engine.grid_square(coordinates(request.lat_lng())));
     }},
    {"grid_section",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       const Degrees sw = request.position("sw");
       const Degrees ne = request.position("ne");
       out.grid_lines(
           engine.grid_section(BoundingBox(coordinates(sw), coordinates(ne))));
     }},
    {"distance",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       const Degrees a = request.position("a");
       const Degrees b = request.position("b");
       out.number(engine.distance(coordinates(a), coordinates(b)));
     }},
    {"autosuggest",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       std::string input = request.string("input");
       auto options = autosuggest_options(request);
       out.suggestions(
           engine.autosuggest(std::move(input), std::move(options)));
     }},
    {"is_valid_autosuggest_call",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       const std::string input = request.string("input");
       const auto options = autosuggest_options(request);
       out.error_descriptor(engine.is_valid_autosuggest_call(input, options));
     }},
    {"available_languages",
     [](const Engine& engine, const Fields&, JsonWriter& out) {
       out.codes(engine.available_languages());
     }},
    {"version", [](const Engine& engine, const Fields&,
                   JsonWriter& out) { out.text(engine.version()); }},
    {"data_version", [](const Engine& engine, const Fields&,
                        JsonWriter& out) { out.text(engine.data_version()); }},
    {"is_available",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       const std::string code = request.string("language");
       out.error_descriptor(engine.is_available(Language(code)));
     }},
    {"is_valid_language_code",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       out.error_descriptor(
           engine.is_valid_language_code(request.string("code")));
     }},
    {"is_valid_utf8",
     [](const Engine& engine, const Fields& request, JsonWriter& out) {
       out.error_descriptor(engine.is_valid_utf8(request.string("text")));
     }},
};

const Op& find_op(const std::string& name) {
  for (const Op& op : kOps) {
    if (name == op.name) return op;
  }
  throw UsageError("unknown op \"" + name + "\"");
}

enum class LineRead { kLine, kTooLong, kEnd };

// Reads up to the next '\n' (dropped) or the end of `in`, keeping at most
// `max_bytes` of the line: the rest of a longer line is read and dropped.
LineRead read_line(std::istream& in, std::string& line, std::size_t max_bytes) {
  line.clear();
  std::streambuf* const buffer = in.rdbuf();
  bool any = false;
  bool too_long = false;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      if (!any) return LineRead::kEnd;
      break;
    }
    any = true;
    if (c == '\n') break;
    if (line.size() < max_bytes) {
      line.push_back(static_cast<char>(c));
    } else {
      too_long = true;
    }
  }
  return too_long ? LineRead::kTooLong : LineRead::kLine;
}

std::string too_long_response() {
  JsonWriter out;
  out.error("usage", "request longer than " + std::to_string(kMaxRequestBytes) +
                         " bytes");
  return out.line();
}

}  // namespace

ErrorDescription describe_exception(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const UsageError& e) {
    return {"usage", e.what()};
  } catch (const LanguageNotAvalableError& e) {
    return {"LanguageNotAvalableError", e.what()};
  } catch (const InvalidArgumentError& e) {
    return {"InvalidArgumentError", e.what()};
  } catch (const FileError& e) {
    return {"FileError", e.what()};
  } catch (const bad_optional_access& e) {
    return {"bad_optional_access", e.what()};
  } catch (const Error& e) {
    return {"Error", e.what()};
  } catch (const std::out_of_range& e) {
    return {"out_of_range", e.what()};
  } catch (const std::exception& e) {
    return {"exception", e.what()};
  } catch (...) {
    return {"exception", "unknown exception"};
  }
}

std::string answer_request(const Engine& engine, const std::string& line) {
  JsonWriter out;
  try {
    rapidjson::Document document;
    parse_request(line, document);
    const Fields request(document, "");
    const Op& op = find_op(request.string("op"));
    out.begin_result();
    op.answer(engine, request, out);
    return out.line();
  } catch (...) {
    const ErrorDescription error = describe_exception(std::current_exception());
    out.error(error.type, error.message);
  }
  return out.line();
}

void run_batch(const Engine& engine, std::istream& in, std::ostream& out) {
  std::string line;
  for (;;) {
    const LineRead read = read_line(in, line, kMaxRequestBytes);
    if (read == LineRead::kEnd) break;
    const std::string response = read == LineRead::kTooLong
                                     ? too_long_response()
                                     : answer_request(engine, line);
    out << response << '\n';
    out.flush();
  }
}

}  // namespace cli
}  // namespace tessera
