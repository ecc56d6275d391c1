#include "mkdata/world/world_data_set.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "mkdata/byte_writer.h"
#include "mkdata/data_set.h"
#include "mkdata/progress.h"
#include "mkdata/world/country_land_model.h"
#include "mkdata/world/world_countries.h"
#include "mkdata/world/world_places.h"
#include "mkdata/world/world_words.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr char kWorldVersion[] = "tessera-world-2";
constexpr int kFullWordCount = 40000;
constexpr int kLandWordCount = 25000;

std::vector<std::string> related_suffixes(const std::string& code) {
  if (code == "en" || code == "es") return {"s", "es"};
  if (code == "de") return {"e", "n", "en"};
  if (code == "fr") return {"s", "x"};
  if (code == "pt") return {"s"};
  if (code == "nl") return {"s", "en"};
  if (code == "sv") return {"er", "ar", "or"};
  return {};
}

}  // namespace

const std::vector<WorldLanguagePreference>& world_language_preferences() {
  static const std::vector<WorldLanguagePreference> kPreferences = {
      {"en",
       {"US", "GB", "CA", "AU", "NZ", "IE", "ZA", "JM", "TT", "BS", "BZ",
        "GY"}},
      {"de", {"DE", "AT", "CH", "LI", "LU"}},
      {"fr", {"FR", "BE", "CH", "CA", "LU", "MC", "SN", "CI", "ML",
              "BF", "NE", "GN", "BJ", "TG", "GA", "CG", "CD", "MG",
              "HT", "GF", "GP", "MQ", "RE", "YT", "NC", "PF"}},
      {"es", {"ES", "MX", "AR", "CO", "PE", "VE", "CL", "EC", "GT", "CU", "BO",
              "DO", "HN", "PY", "SV", "NI", "CR", "PA", "UY", "PR", "GQ"}},
      {"it", {"IT", "SM", "VA", "CH"}},
      {"pt", {"PT", "BR", "AO", "MZ", "GW", "TL", "CV", "ST"}},
      {"nl", {"NL", "BE", "SR", "AW", "CW", "SX", "BQ"}},
      {"sv", {"SE", "FI", "AX"}},
      {"pl", {"PL"}},
  };
  return kPreferences;
}

void build_world_data_set(const std::string& sources_dir,
                          const std::string& root) {
  ensure_world_sources(sources_dir);
  const std::string modules = node_modules_dir(sources_dir);

  std::vector<std::string> codes;
  for (const WorldLanguagePreference& language : world_language_preferences()) {
    codes.push_back(language.code);
  }

  Geography geography;
  {
    Progress progress("reading countries", 1);
    geography.countries = read_world_countries(modules);
  }
  geography.country_quantisation = world_countries_quantisation();
  WorldPlaces places;
  {
    Progress progress("reading places", 1);
    places = read_world_places(modules, debian_root(sources_dir), codes);
  }
  std::shared_ptr<const CountryLandModel> land;
  {
    Progress progress("land", 1);
    land = std::make_shared<CountryLandModel>(geography.countries,
                                              places.positions);
  }
  geography.land = land;
  geography.places = std::move(places.data);

  std::vector<WorldWords> words;
  {
    Progress progress("ranking words", 1);
    words = read_world_words(sources_dir);
  }
  for (const WorldWords& language : words) {
    std::printf("%s: %zu ranked words, %zu in all\n", language.code.c_str(),
                language.ranked, language.words.size());
  }

  Recipe recipe;
  recipe.version = kWorldVersion;
  for (const WorldLanguagePreference& preference :
       world_language_preferences()) {
    WorldWords* source = nullptr;
    for (WorldWords& language : words) {
      if (language.code == preference.code) source = &language;
    }
    if (source == nullptr) {
      throw std::runtime_error("no words for " + preference.code);
    }
    LanguageRecipe language;
    language.code = preference.code;
    language.words.kind = WordSource::Kind::kList;
    language.words.list = std::move(source->words);
    language.words.count = kFullWordCount;
    if (preference.code != "en") language.words.fallback_count = kLandWordCount;
    for (const std::int32_t region : land->regions_of(preference.countries)) {
      language.preferred_regions.push_back(region);
    }
    language.related_suffixes = related_suffixes(preference.code);
    recipe.languages.push_back(std::move(language));
  }
  // The sources come first, so that the data set's manifest, written last,
  // covers them too.
  const std::string sources = sources_text(sources_dir, kWorldVersion);
  write_data_file(root, "SOURCES",
                  std::vector<std::uint8_t>(sources.begin(), sources.end()));
  build_data_set(recipe, geography, root);
}

}  // namespace mkdata
}  // namespace tessera
