#include "mkdata/json_fields.h"

#include <stdexcept>

namespace tessera {
namespace mkdata {

using rapidjson::Value;

void JsonFields::fail(const std::string& what) const {
  throw std::runtime_error(std::string(input_) + ": " + what);
}

const Value& JsonFields::member(const Value& object, const char* name,
                                const std::string& where) const {
  const auto it = object.FindMember(name);
  if (it == object.MemberEnd()) fail(where + " lacks \"" + name + "\"");
  return it->value;
}

const Value& JsonFields::array_member(const Value& object, const char* name,
                                      const std::string& where) const {
  const Value& v = member(object, name, where);
  if (!v.IsArray()) fail(where + "." + name + " must be an array");
  return v;
}

std::string JsonFields::string_member(const Value& object, const char* name,
                                      const std::string& where) const {
  const Value& v = member(object, name, where);
  if (!v.IsString()) fail(where + "." + name + " must be a string");
  return std::string(v.GetString(), v.GetStringLength());
}

}  // namespace mkdata
}  // namespace tessera
