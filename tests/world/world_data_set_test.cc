// The world data set as a whole: it loads, converts real land in every
// language, names the right countries and places, and gives the short
// words to the crowded places.
//
// Runs on the directory that TESSERA_WORLD_DIR names (ctest builds it with
// `tessera-mkdata --world`); skipped when that is not set.
#include "mkdata/world/world_data_set.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/utf16.h"
#include "mkdata/world/world_places.h"
#include "tessera/data_path.h"
#include "tessera/engine.h"
#include "testing/country_scan.h"

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

double mean_word_length(const std::string& address) {
  // Three words and two dots.
  return (static_cast<double>(core::to_u16string(address).size()) - 2) / 3;
}

TEST_F(WorldDataSet, IsAValidDataDirectoryWithNineLanguages) {
  const ErrorDescriptor valid = is_valid_data_path(world_dir());
  EXPECT_EQ(valid.code, 0) << valid.message;
  EXPECT_EQ(engine().available_languages(),
            (std::set<std::string>{"de", "en", "es", "fr", "it", "nl", "pl",
                                   "pt", "sv"}));
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
  const mkdata::WorldPlaces places = mkdata::read_world_places(
      mkdata::default_world_sources_dir() + "/node_modules", {"en"});
  ASSERT_GT(places.positions.size(), 150000u);
  std::size_t agree = 0;
  for (std::size_t i = 0; i < places.positions.size(); ++i) {
    if (engine().country_code(places.positions[i]) == places.country_codes[i]) {
      ++agree;
    }
  }
  const double share = static_cast<double>(agree) / places.positions.size();
  EXPECT_GE(share, 0.97);
  std::printf("countries agree for %zu of %zu places (%.2f%%)\n", agree,
              places.positions.size(), 100 * share);
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

TEST_F(WorldDataSet, CrowdedPlacesGetShorterWordsThanRemoteOnes) {
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
    double near = 0;
    double far = 0;
    int n = 0;
    for (int i = 0; i < 50; ++i) {
      for (std::size_t k = 0; k < std::size(cities); ++k) {
        near += mean_word_length(
            engine().convert_to_3wa(jitter(cities[k]), code).value());
        far += mean_word_length(
            engine().convert_to_3wa(jitter(remote[k]), code).value());
        ++n;
      }
    }
    EXPECT_LT(near / n, far / n) << code;
    std::printf(
        "%s: mean word length %.2f near cities, %.2f in remote places\n",
        code.c_str(), near / n, far / n);
  }
}

}  // namespace
}  // namespace tessera
