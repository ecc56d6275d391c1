// Writing the JSON responses of `tessera batch`, one line each.
//
// Strings are written byte for byte, bytes that are not UTF-8 included;
// only '"', '\\' and control characters are escaped. Numbers are written in
// the shortest form that reads back as the same double (json_number_text).
#ifndef TESSERA_TOOLS_CLI_JSON_WRITER_H_
#define TESSERA_TOOLS_CLI_JSON_WRITER_H_

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <set>
#include <string>
#include <vector>

#include "tessera/bounding_box.h"
#include "tessera/coordinates.h"
#include "tessera/error_descriptor.h"
#include "tessera/grid_line.h"
#include "tessera/optional.h"
#include "tessera/suggestion.h"

namespace tessera {
namespace cli {

// One response line under construction. Not thread-safe.
class JsonWriter {
 public:
  JsonWriter();

  // Starts a new line: {"result": then the value the caller writes next.
  void begin_result();
  // Starts a new line holding only {"error": {"type": ..., "message": ...}}.
  void error(const std::string& type, const std::string& message);
  // The finished line, without a line break. Requires: a whole response
  // (begin_result() then one value, or error()), or one value written on a
  // new writer (for output that is not a response).
  std::string line();

  void null();
  void boolean(bool b);
  void number(double d);
  void integer(long long i);
  void text(const std::string& s);
  void optional_text(const Optional<std::string>& s);  // text or null
  void position(const Coordinates& p);                 // {"lat", "lng"}
  void optional_position(const Optional<Coordinates>& p);
  void square(const BoundingBox& box);  // {"sw", "ne"}
  void grid_lines(const std::vector<GridLine>& lines);
  void error_descriptor(const ErrorDescriptor& d);  // {"code", "message"}
  void codes(const std::set<std::string>& codes);   // sorted list
  void suggestions(const std::vector<Suggestion>& suggestions);

 private:
  void key(const char* name);

  rapidjson::StringBuffer buffer_;
  // No encoding validation: bytes that are not UTF-8 pass unchanged.
  rapidjson::Writer<rapidjson::StringBuffer> writer_;
};

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_JSON_WRITER_H_
