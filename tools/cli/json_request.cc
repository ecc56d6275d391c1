#include "cli/json_request.h"

#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <charconv>
#include <cstdint>
#include <string_view>
#include <system_error>
#include <utility>

#include "cli/number_text.h"

namespace tessera {
namespace cli {
namespace {

using rapidjson::SizeType;
using rapidjson::Value;

// Builds the document from the reader's events, counting depth and values
// against the limits. Numbers arrive as their text and are converted here:
// the reader's own conversion is not correctly rounded in every case.
class RequestBuilder {
 public:
  explicit RequestBuilder(rapidjson::Document& document)
      : document_(document) {}

  bool Null() { return add_value() && document_.Null(); }
  bool Bool(bool b) { return add_value() && document_.Bool(b); }
  // The reader sends numbers to RawNumber only; these complete the handler.
  bool Int(int i) { return add_value() && document_.Int(i); }
  bool Uint(unsigned u) { return add_value() && document_.Uint(u); }
  bool Int64(std::int64_t i) { return add_value() && document_.Int64(i); }
  bool Uint64(std::uint64_t u) { return add_value() && document_.Uint64(u); }
  bool Double(double d) { return add_value() && document_.Double(d); }

  bool RawNumber(const char* text, SizeType length, bool) {
    if (!add_value()) return false;
    const std::string_view number(text, length);
    // Integers keep their integer type, so that counts can be told from
    // fractions; "-0" is the floating-point zero with its sign.
    if (number.find_first_not_of("-0123456789") == std::string_view::npos &&
        number != "-0") {
      const char* const last = text + length;
      if (number[0] == '-') {
        std::int64_t i = 0;
        const auto result = std::from_chars(text, last, i);
        if (result.ec == std::errc() && result.ptr == last) {
          return document_.Int64(i);
        }
      } else {
        std::uint64_t u = 0;
        const auto result = std::from_chars(text, last, u);
        if (result.ec == std::errc() && result.ptr == last) {
          return document_.Uint64(u);
        }
      }
    }
    double d = 0.0;
    if (!parse_double(number, d)) {
      fault_ = "number out of range: " + std::string(number);
      return false;
    }
    return document_.Double(d);
  }

  bool String(const char* text, SizeType length, bool copy) {
    return add_value() && document_.String(text, length, copy);
  }
  bool Key(const char* text, SizeType length, bool copy) {
    return document_.Key(text, length, copy);
  }
  bool StartObject() { return open() && document_.StartObject(); }
  bool EndObject(SizeType members) {
    --depth_;
    return document_.EndObject(members);
  }
  bool StartArray() { return open() && document_.StartArray(); }
  bool EndArray(SizeType elements) {
    --depth_;
    return document_.EndArray(elements);
  }

  // Why the builder stopped the reader; empty when it did not.
  const std::string& fault() const { return fault_; }

 private:
  bool add_value() {
    if (++values_ <= kMaxRequestValues) return true;
    fault_ = "request holds more than " + std::to_string(kMaxRequestValues) +
             " values";
    return false;
  }
  bool open() {
    if (!add_value()) return false;
    if (++depth_ <= kMaxRequestDepth) return true;
    fault_ = "request nests deeper than " + std::to_string(kMaxRequestDepth) +
             " levels";
    return false;
  }

  rapidjson::Document& document_;
  unsigned depth_ = 0;
  std::size_t values_ = 0;
  std::string fault_;
};

// Feeds the reader's events for `line` to a RequestBuilder, for
// Document::Populate.
class RequestParser {
 public:
  explicit RequestParser(const std::string& line) : line_(line) {}

  bool operator()(rapidjson::Document& document) {
    // Iterative, so that nesting costs heap, not stack. Without encoding
    // validation, string bytes are copied as they are.
    constexpr unsigned kFlags = rapidjson::kParseIterativeFlag |
                                rapidjson::kParseNumbersAsStringsFlag |
                                rapidjson::kParseNanAndInfFlag;
    RequestBuilder builder(document);
    rapidjson::StringStream stream(line_.c_str());
    rapidjson::Reader reader;
    result_ = reader.Parse<kFlags>(stream, builder);
    fault_ = builder.fault();
    return !result_.IsError();
  }

  // Why the line is not a request; empty when it is one.
  std::string fault() const {
    if (!fault_.empty()) return fault_;
    if (!result_.IsError()) return "";
    return std::string("request is not JSON: ") +
           rapidjson::GetParseError_En(result_.Code()) + " (at byte " +
           std::to_string(result_.Offset()) + ")";
  }

 private:
  const std::string& line_;
  rapidjson::ParseResult result_;
  std::string fault_;
};

const char* type_name(const Value& value) {
  switch (value.GetType()) {
    case rapidjson::kNullType:
      return "null";
    case rapidjson::kFalseType:
    case rapidjson::kTrueType:
      return "a boolean";
    case rapidjson::kObjectType:
      return "an object";
    case rapidjson::kArrayType:
      return "an array";
    case rapidjson::kStringType:
      return "a string";
    case rapidjson::kNumberType:
      return "a number";
  }
  return "a value";
}

[[noreturn]] void wrong_type(const Value& value, const std::string& path,
                             const char* expected) {
  throw UsageError("\"" + path + "\" must be " + expected + ", not " +
                   type_name(value));
}

}  // namespace

void parse_request(const std::string& line, rapidjson::Document& document) {
  if (line.find_first_not_of(" \t\r") == std::string::npos) {
    throw UsageError("empty request");
  }
  // The reader would take a NUL byte for the end of the line.
  if (line.find('\0') != std::string::npos) {
    throw UsageError("request holds a NUL byte; write it as \\u0000");
  }
  RequestParser parser(line);
  document.Populate(parser);
  const std::string fault = parser.fault();
  if (!fault.empty()) throw UsageError(fault);
  if (!document.IsObject()) {
    throw UsageError(std::string("request must be an object, not ") +
                     type_name(document));
  }
}

Fields::Fields(const Value& object, std::string path)
    : object_(object), path_(std::move(path)) {}

bool Fields::has(const char* key) const {
  return object_.FindMember(key) != object_.MemberEnd();
}

const Value& Fields::get(const char* key) const {
  const auto member = object_.FindMember(key);
  if (member == object_.MemberEnd()) {
    throw UsageError("missing field \"" + path_of(key) + "\"");
  }
  return member->value;
}

std::string Fields::path_of(const char* key) const {
  return path_.empty() ? std::string(key) : path_ + "." + key;
}

std::string Fields::string(const char* key) const {
  return string_value(get(key), path_of(key));
}

double Fields::number(const char* key) const {
  const Value& value = get(key);
  if (!value.IsNumber()) wrong_type(value, path_of(key), "a number");
  return value.GetDouble();
}

bool Fields::boolean(const char* key) const {
  const Value& value = get(key);
  if (!value.IsBool()) wrong_type(value, path_of(key), "a boolean");
  return value.GetBool();
}

unsigned Fields::count(const char* key) const {
  const Value& value = get(key);
  if (!value.IsUint()) {
    wrong_type(value, path_of(key), "an integer from 0 to 4294967295");
  }
  return value.GetUint();
}

Fields Fields::object(const char* key) const {
  return object_value(get(key), path_of(key));
}

const Value& Fields::array(const char* key) const {
  const Value& value = get(key);
  if (!value.IsArray()) wrong_type(value, path_of(key), "an array");
  return value;
}

Degrees Fields::position(const char* key) const {
  return position_value(get(key), path_of(key));
}

Degrees Fields::lat_lng() const { return {number("lat"), number("lng")}; }

void Fields::allow_only(const char* const* keys) const {
  for (const auto& member : object_.GetObject()) {
    const std::string_view name(member.name.GetString(),
                                member.name.GetStringLength());
    bool known = false;
    for (const char* const* key = keys; *key != nullptr && !known; ++key) {
      known = name == *key;
    }
    if (!known) {
      throw UsageError("unknown field \"" + path_of(std::string(name).c_str()) +
                       "\"");
    }
  }
}

std::string string_value(const Value& value, const std::string& path) {
  if (!value.IsString()) wrong_type(value, path, "a string");
  return std::string(value.GetString(), value.GetStringLength());
}

Fields object_value(const Value& value, const std::string& path) {
  if (!value.IsObject()) wrong_type(value, path, "an object");
  return Fields(value, path);
}

Degrees position_value(const Value& value, const std::string& path) {
  if (!value.IsObject()) {
    wrong_type(value, path, "a position {\"lat\": ..., \"lng\": ...}");
  }
  const Fields fields(value, path);
  static const char* const kKeys[] = {"lat", "lng", nullptr};
  fields.allow_only(kKeys);
  return fields.lat_lng();
}

}  // namespace cli
}  // namespace tessera
