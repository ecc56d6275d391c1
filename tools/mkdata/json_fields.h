// Reading the members of a builder input's JSON, with messages that name the
// input and the place of the fault ("recipe: languages[2] lacks \"code\"").
#ifndef TESSERA_TOOLS_MKDATA_JSON_FIELDS_H_
#define TESSERA_TOOLS_MKDATA_JSON_FIELDS_H_

#include <rapidjson/document.h>

#include <string>

namespace tessera {
namespace mkdata {

// The fields of one kind of input, named `input` in its messages. Each
// accessor throws std::runtime_error("<input>: <where>...") when the value
// is missing or of another type; `where` names the object looked into.
class JsonFields {
 public:
  constexpr explicit JsonFields(const char* input) : input_(input) {}

  // Throws std::runtime_error("<input>: <what>").
  [[noreturn]] void fail(const std::string& what) const;

  const rapidjson::Value& member(const rapidjson::Value& object,
                                 const char* name,
                                 const std::string& where) const;
  const rapidjson::Value& array_member(const rapidjson::Value& object,
                                       const char* name,
                                       const std::string& where) const;
  std::string string_member(const rapidjson::Value& object, const char* name,
                            const std::string& where) const;

 private:
  const char* input_;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_JSON_FIELDS_H_
