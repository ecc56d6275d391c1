#include "mkdata/world/npm_word_lists.h"

#include <rapidjson/document.h>

#include <stdexcept>
#include <utility>

#include "mkdata/json_file.h"

namespace tessera {
namespace mkdata {
namespace {

using rapidjson::Value;

rapidjson::Document read_json(const std::string& path) {
  const std::string json = read_file(path);
  rapidjson::Document document;
  document.Parse(json.data(), json.size());
  if (document.HasParseError()) {
    throw std::runtime_error(path + ": " + json_parse_error(document));
  }
  return document;
}

std::vector<std::string> strings_of(const Value& array) {
  std::vector<std::string> strings;
  for (const Value& entry : array.GetArray()) {
    if (entry.IsString()) {
      strings.emplace_back(entry.GetString(), entry.GetStringLength());
    }
  }
  return strings;
}

bool has_singular_and_plural(const Value& forms) {
  return forms.IsObject() && forms.HasMember("SIN") && forms.HasMember("PLU");
}

}  // namespace

std::vector<std::string> read_stop_words(const std::string& path,
                                         const std::string& code) {
  const rapidjson::Document document = read_json(path);
  if (!document.IsObject()) {
    throw std::runtime_error(path + ": the top level is not an object");
  }
  const auto list = document.FindMember(code.c_str());
  if (list == document.MemberEnd()) return {};
  if (!list->value.IsArray()) {
    throw std::runtime_error(path + ": the stop words of " + code +
                             " are not an array");
  }
  return strings_of(list->value);
}

std::vector<std::string> read_string_array(const std::string& path) {
  const rapidjson::Document document = read_json(path);
  if (!document.IsArray()) {
    throw std::runtime_error(path + ": the top level is not an array");
  }
  return strings_of(document);
}

std::vector<GermanNoun> read_german_nouns(const std::string& path) {
  const rapidjson::Document document = read_json(path);
  if (!document.IsObject()) {
    throw std::runtime_error(path + ": the top level is not an object");
  }
  std::vector<GermanNoun> nouns;
  nouns.reserve(document.MemberCount());
  for (const auto& member : document.GetObject()) {
    GermanNoun noun;
    noun.noun.assign(member.name.GetString(), member.name.GetStringLength());
    if (member.value.IsObject()) {
      for (const auto& by_case : member.value.GetObject()) {
        noun.has_plural =
            noun.has_plural || has_singular_and_plural(by_case.value);
        if (!by_case.value.IsObject()) continue;
        for (const auto& form : by_case.value.GetObject()) {
          if (form.value.IsString()) {
            noun.forms.emplace_back(form.value.GetString(),
                                    form.value.GetStringLength());
          }
        }
      }
    }
    nouns.push_back(std::move(noun));
  }
  return nouns;
}

}  // namespace mkdata
}  // namespace tessera
