// `tessera batch`: the engine driven by JSON requests, one per line.
//
// Each request is an object whose "op" field names an engine operation;
// the other fields are its arguments. Each gets exactly one response line,
// in order and flushed at once:
//
//   {"result": VALUE}
//   {"error": {"type": TYPE, "message": TEXT}}
//
// TYPE is the class of the exception the operation threw: "FileError",
// "InvalidArgumentError", "LanguageNotAvalableError", "bad_optional_access"
// or "Error" for the engine's own, "out_of_range" or "exception" for those
// of the standard library; "usage" when the request itself is at fault (not
// a JSON object, a missing or mistyped field, an unknown op). No request
// ends the loop, however malformed or long. Fields the op does not read are
// ignored, so a caller may tag its requests.
//
// Positions are {"lat": number, "lng": number}, built with the checking
// Coordinates constructor. The ops, their fields and their results:
//
//   convert_to_3wa          lat, lng, language   address or null
//   convert_to_coordinates  address              position or null
//   language_code           address              code or null
//   nearest_place           lat, lng, language   text or null
//   country_code            lat, lng             code
//   grid_square             lat, lng             {"sw": pos, "ne": pos}
//   grid_section            sw, ne               [{"start": pos, "end": pos}]
//   distance                a, b                 kilometres
//   autosuggest             input, [options]     [{"words", "language",
//                                                  "distance_to_focus_km",
//                                                  "country",
//                                                  "nearest_place"}]
//   is_valid_autosuggest_call  input, [options]  {"code", "message"}
//   available_languages                          sorted list of codes
//   version, data_version                        text
//   is_available            language             {"code", "message"}
//   is_valid_language_code  code                 {"code", "message"}
//   is_valid_utf8           text                 {"code", "message"}
//
// (autosuggest_request.h describes the options.)
#ifndef TESSERA_TOOLS_CLI_BATCH_H_
#define TESSERA_TOOLS_CLI_BATCH_H_

#include <exception>
#include <iosfwd>
#include <string>

#include "tessera/engine.h"

namespace tessera {
namespace cli {

// How an error response names an exception: TYPE and TEXT above.
struct ErrorDescription {
  std::string type;
  std::string message;
};

// The description of `error`, which must not be null. Throws nothing but
// std::bad_alloc.
ErrorDescription describe_exception(const std::exception_ptr& error);

// The response line (without its line break) to one request line.
// Never throws, except std::bad_alloc when even the error response cannot
// be made.
std::string answer_request(const Engine& engine, const std::string& line);

// Answers each line of `in` on `out` until the end of `in`. A line longer
// than kMaxRequestBytes (json_request.h) is skipped to its end and answered
// with a usage error.
void run_batch(const Engine& engine, std::istream& in, std::ostream& out);

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_BATCH_H_
