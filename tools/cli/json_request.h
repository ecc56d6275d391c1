// Reading the JSON requests of `tessera batch`: one object per line, with
// checked access to its fields.
//
// Numbers are read with correct rounding (so a double written in its
// shortest form reads back as the same double, and "-0" keeps its sign);
// strings keep their bytes as given, even when they are not UTF-8, and may
// hold NUL characters written as \u0000. Any fault of the request is thrown
// as UsageError, whose message names the field at fault.
#ifndef TESSERA_TOOLS_CLI_JSON_REQUEST_H_
#define TESSERA_TOOLS_CLI_JSON_REQUEST_H_

#include <rapidjson/document.h>

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tessera {
namespace cli {

// A request the tool cannot read: not JSON, not an object, or a field
// missing or of the wrong type.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& message)
      : std::runtime_error(message) {}
};

// Limits on one request, so that no line can exhaust memory or the stack.
inline constexpr std::size_t kMaxRequestBytes = std::size_t{64} << 20;
inline constexpr unsigned kMaxRequestDepth = 32;
inline constexpr std::size_t kMaxRequestValues = std::size_t{1} << 22;

// Parses `line` (without its line break) into `document` and checks that it
// is one JSON object. Also accepts NaN, Infinity and -Infinity as numbers.
// Throws UsageError for an empty or blank line, a raw NUL byte, malformed
// JSON, a number out of the range of a double, a request over the limits
// above, or a root that is not an object.
void parse_request(const std::string& line, rapidjson::Document& document);

// A position as the request gives it, before the Coordinates constructor
// checks the latitude.
struct Degrees {
  double lat;
  double lng;
};

// Field access for one object of a request. `path` names the object in
// messages ("" for the request itself, "options.focus" for a nested one).
class Fields {
 public:
  Fields(const rapidjson::Value& object, std::string path);

  bool has(const char* key) const;
  // The field's value. Throws UsageError when it is missing.
  const rapidjson::Value& get(const char* key) const;
  // The path of a field, for messages ("options.focus.lat").
  std::string path_of(const char* key) const;

  // Each throws UsageError when the field is missing or of another type.
  std::string string(const char* key) const;
  double number(const char* key) const;
  bool boolean(const char* key) const;
  unsigned count(const char* key) const;  // a non-negative integer
  Fields object(const char* key) const;
  const rapidjson::Value& array(const char* key) const;
  // A nested {"lat": number, "lng": number}, with no other fields.
  Degrees position(const char* key) const;
  // The "lat" and "lng" fields of this object itself.
  Degrees lat_lng() const;

  // Throws UsageError naming the first field whose key is not one of
  // `keys` (a null-terminated list).
  void allow_only(const char* const* keys) const;

  const rapidjson::Value& value() const { return object_; }
  const std::string& path() const { return path_; }

 private:
  const rapidjson::Value& object_;
  std::string path_;
};

// The checks of Fields, for a value that is not a field of an object (an
// element of an array); `path` names it in messages.
std::string string_value(const rapidjson::Value& value,
                         const std::string& path);
Fields object_value(const rapidjson::Value& value, const std::string& path);
Degrees position_value(const rapidjson::Value& value, const std::string& path);

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_JSON_REQUEST_H_
