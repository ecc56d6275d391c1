#include "mkdata/world/country_names.h"

#include <rapidjson/document.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

bool is_abbreviation(const std::string& name) {
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return c >= 'a' && c <= 'z'; });
}

std::size_t word_count(const std::string& name) {
  return 1 + std::count(name.begin(), name.end(), ' ');
}

// A text that a places file line can hold.
bool is_printable(const std::string& text) {
  return !text.empty() && text.find('\t') == std::string::npos &&
         text.find('\n') == std::string::npos;
}

}  // namespace

std::string usual_country_name(const std::vector<std::string>& names) {
  const bool all_abbreviations =
      std::all_of(names.begin(), names.end(), is_abbreviation);
  const std::string* best = nullptr;
  for (const std::string& name : names) {
    if (!all_abbreviations && is_abbreviation(name)) continue;
    if (best == nullptr || word_count(name) < word_count(*best)) best = &name;
  }
  return best == nullptr ? std::string() : *best;
}

std::map<std::string, std::string> country_names_from_json(
    const rapidjson::Value& document, const std::string& file) {
  if (!document.IsObject()) {
    throw std::runtime_error(file + ": the top level is not an object");
  }
  const auto countries = document.FindMember("countries");
  if (countries == document.MemberEnd() || !countries->value.IsObject()) {
    throw std::runtime_error(file + ": \"countries\" is not an object");
  }
  std::map<std::string, std::string> names;
  for (const auto& entry : countries->value.GetObject()) {
    std::vector<std::string> listed;
    if (entry.value.IsString()) {
      listed.emplace_back(entry.value.GetString(),
                          entry.value.GetStringLength());
    } else if (entry.value.IsArray()) {
      for (const auto& name : entry.value.GetArray()) {
        if (!name.IsString()) {
          listed.clear();
          break;
        }
        listed.emplace_back(name.GetString(), name.GetStringLength());
      }
    }
    const std::string name = usual_country_name(listed);
    if (!is_printable(name)) continue;
    names.emplace(
        std::string(entry.name.GetString(), entry.name.GetStringLength()),
        name);
  }
  return names;
}

}  // namespace mkdata
}  // namespace tessera
