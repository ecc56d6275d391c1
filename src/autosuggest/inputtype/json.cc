#include "autosuggest/inputtype/json.h"

#include <rapidjson/schema.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <utility>
#include <vector>

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

[[noreturn]] void wrong_type(const rapidjson::Value& value,
                             const char* expected) {
  throw JsonStructureError("Found element of type " + JSON::get_type(value) +
                           " and value " + JSON::to_string(value) +
                           ", while looking for element of type " + expected);
}

}  // namespace

bool JSON::parse(const std::string& input, rapidjson::Document* document) {
  // Iterative parsing keeps hostile nesting off the stack; the DOM's
  // default allocator frees without walking the values, so destroying a
  // deep document does not recurse either.
  document->Parse<rapidjson::kParseIterativeFlag |
                  rapidjson::kParseValidateEncodingFlag>(input.data(),
                                                         input.size());
  return !document->HasParseError();
}

bool JSON::within_max_depth(const rapidjson::Value& value) {
  std::vector<std::pair<const rapidjson::Value*, int>> pending;
  pending.push_back({&value, 0});
  while (!pending.empty()) {
    const rapidjson::Value* v = pending.back().first;
    const int depth = pending.back().second;
    pending.pop_back();
    if (v->IsArray() || v->IsObject()) {
      if (depth + 1 > kMaxDepth) return false;
      if (v->IsArray()) {
        for (const rapidjson::Value& element : v->GetArray()) {
          pending.push_back({&element, depth + 1});
        }
      } else {
        for (const auto& m : v->GetObject()) {
          pending.push_back({&m.value, depth + 1});
        }
      }
    }
  }
  return true;
}

bool JSON::check_with_schema(const rapidjson::Document& document,
                             const char* schema) {
  if (!within_max_depth(document)) return false;
  rapidjson::Document schema_json;
  schema_json.Parse(schema);
  rapidjson::SchemaDocument schema_document(schema_json);
  rapidjson::SchemaValidator validator(schema_document);
  return document.Accept(validator) && validator.IsValid();
}

std::string JSON::get_type(const rapidjson::Value& value) {
  switch (value.GetType()) {
    case rapidjson::kNullType:
      return "null";
    case rapidjson::kFalseType:
    case rapidjson::kTrueType:
      return "boolean";
    case rapidjson::kObjectType:
      return "object";
    case rapidjson::kArrayType:
      return "array";
    case rapidjson::kStringType:
      return "string";
    case rapidjson::kNumberType:
      return value.IsInt64() || value.IsUint64() ? "integer" : "numeric";
  }
  return "unknown type";
}

std::string JSON::to_string(const rapidjson::Value& value) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  value.Accept(writer);
  return std::string(buffer.GetString(), buffer.GetSize());
}

const rapidjson::Value& JSON::member(const rapidjson::Value& object,
                                     const char* key) {
  as_object(object);
  const auto found = object.FindMember(key);
  if (found == object.MemberEnd()) {
    throw JsonStructureError(std::string("No \"") + key +
                             "\" entry found in object \"" + to_string(object) +
                             "\".");
  }
  return found->value;
}

const rapidjson::Value& JSON::as_object(const rapidjson::Value& value) {
  if (!value.IsObject()) wrong_type(value, "object");
  return value;
}

const rapidjson::Value& JSON::as_array(const rapidjson::Value& value) {
  if (!value.IsArray()) wrong_type(value, "array");
  return value;
}

std::string JSON::as_string(const rapidjson::Value& value) {
  if (!value.IsString()) wrong_type(value, "string");
  return std::string(value.GetString(), value.GetStringLength());
}

std::int64_t JSON::as_integer(const rapidjson::Value& value) {
  if (!value.IsInt64()) wrong_type(value, "integer");
  return value.GetInt64();
}

double JSON::as_number(const rapidjson::Value& value) {
  if (!value.IsNumber()) wrong_type(value, "numeric");
  return value.GetDouble();
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
