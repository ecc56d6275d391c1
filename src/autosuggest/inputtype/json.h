// JSON reading shared by the input types of recogniser output: parsing with
// a bounded nesting depth, schema checks, and the pieces of the messages
// that describe a structural fault.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_JSON_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_JSON_H_

#include <rapidjson/document.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tessera {
namespace autosuggest {
namespace inputtype {

// A structural fault of a recogniser's output: a member missing or of the
// wrong type. what() is the detail that the input type appends to its own
// prefix ("No \"_conf\" entry found in object \"{}\".").
class JsonStructureError : public std::runtime_error {
 public:
  explicit JsonStructureError(const std::string& detail)
      : std::runtime_error(detail) {}
};

class JSON {
 public:
  // The deepest nesting of arrays and objects accepted: far more than any
  // recogniser writes, and little enough that the recursive walks over a
  // document (schema checks, writing values back) stay shallow.
  static constexpr int kMaxDepth = 64;

  // Parses `input` into `document` without recursion, rejecting malformed
  // UTF-8. False on a syntax error. Throws std::bad_alloc only.
  static bool parse(const std::string& input, rapidjson::Document* document);

  // True when no array or object of `value` is nested more than kMaxDepth
  // deep (a scalar has depth 0, "[]" depth 1). Walks without recursion.
  static bool within_max_depth(const rapidjson::Value& value);

  // True when `document` is nested at most kMaxDepth deep and valid against
  // the JSON Schema `schema`. Requires: `schema` is a valid schema text.
  static bool check_with_schema(const rapidjson::Document& document,
                                const char* schema);

  // The type of `value` as the messages name it: "null", "boolean",
  // "object", "array", "string", "integer" (a number held as an integer),
  // "numeric" (any other number), or "unknown type".
  static std::string get_type(const rapidjson::Value& value);

  // `value` written back as compact JSON text. Requires: nested at most
  // kMaxDepth deep.
  static std::string to_string(const rapidjson::Value& value);

  // The member `key` of the object `object`. Throws JsonStructureError
  // "No \"" + key + "\" entry found in object \"" + object as JSON + "\"."
  // when it has none, and as as_object when `object` is no object.
  static const rapidjson::Value& member(const rapidjson::Value& object,
                                        const char* key);

  // `value` as the expected type. Each throws JsonStructureError "Found
  // element of type " + get_type + " and value " + to_string + ", while
  // looking for element of type " + the expected type ("object", "array",
  // "string", "integer", "numeric") when `value` is of another type.
  static const rapidjson::Value& as_object(const rapidjson::Value& value);
  static const rapidjson::Value& as_array(const rapidjson::Value& value);
  static std::string as_string(const rapidjson::Value& value);
  static std::int64_t as_integer(const rapidjson::Value& value);
  static double as_number(const rapidjson::Value& value);
};

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_JSON_H_
