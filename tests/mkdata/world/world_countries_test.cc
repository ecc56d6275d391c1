#include "mkdata/world/world_countries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/in_memory.h"
#include "find_country/located_country_finder.h"
#include "mkdata/find_country/countries_writer.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

using Finder = find_country::LocatedCountryFinder<data::InMemory>;

const char kCodes[] = R"([
  ["FR", "FRA", "250", "ISO 3166-2:FR"],
  ["RS", "SRB", "688", "ISO 3166-2:RS"],
  ["ZA", "ZAF", "710", "ISO 3166-2:ZA"],
  ["LS", "LSO", "426", "ISO 3166-2:LS"],
  ["FJ", "FJI", "242", "ISO 3166-2:FJ"],
  ["AQ", "ATA", "010", "ISO 3166-2:AQ"],
  ["MA", "MAR", "504", "ISO 3166-2:MA"],
  ["EH", "ESH", "732", "ISO 3166-2:EH"]
])";

// Positions in degrees, no transform:
// - France: a square at lng 0..4, lat 44..48, with a corner 0.001 degrees
//   (0.38 units) off its southern side and one 0.05 degrees (9 units) off
//   its eastern side, an island in the Guadeloupe box, and an islet
//   smaller than a unit of the plane;
// - Serbia, lng 20..23, lat 42..46, with a hole that Kosovo fills;
// - South Africa, lng 25..30, lat -30..-25, and Lesotho inside it but not
//   cut out of it;
// - the Spratly Islands, left out;
// - Fiji, lng 179..-179 across the antimeridian, lat -17..-16;
// - Antarctica, a ring round the south pole along lat -70..-72;
// - Morocco, lng -13..-9, lat 26..29, reaching south of 27 40' N into
//   Western Sahara, and Western Sahara, lng -9..-8, lat 25..27.
const char kAtlas[] = R"({
  "type": "Topology",
  "objects": {"countries": {"type": "GeometryCollection", "geometries": [
    {"type": "MultiPolygon", "id": "250", "properties": {"name": "France"},
     "arcs": [[[0]], [[1]], [[2]]]},
    {"type": "Polygon", "id": "688", "properties": {"name": "Serbia"},
     "arcs": [[3], [-5]]},
    {"type": "Polygon", "properties": {"name": "Kosovo"}, "arcs": [[4]]},
    {"type": "Polygon", "id": "710", "arcs": [[5]]},
    {"type": "Polygon", "id": "426", "arcs": [[6]]},
    {"type": "Polygon", "properties": {"name": "Spratly Is."}, "arcs": [[7]]},
    {"type": "Polygon", "id": "242", "arcs": [[8]]},
    {"type": "Polygon", "id": "010", "arcs": [[9]]},
    {"type": "Polygon", "id": "504", "arcs": [[10]]},
    {"type": "Polygon", "id": "732", "arcs": [[11]]}
  ]}},
  "arcs": [
    [[0, 44], [2, 44.001], [4, 44], [4.05, 46], [4, 48], [0, 48], [0, 44]],
    [[-61.6, 16.0], [-61.2, 16.0], [-61.2, 16.3], [-61.6, 16.3],
     [-61.6, 16.0]],
    [[10, 40], [10.001, 40], [10.001, 40.001], [10, 40]],
    [[20, 42], [23, 42], [23, 46], [20, 46], [20, 42]],
    [[21, 43], [22, 43], [22, 44], [21, 44], [21, 43]],
    [[25, -30], [30, -30], [30, -25], [25, -25], [25, -30]],
    [[27, -29], [28, -29], [28, -28], [27, -28], [27, -29]],
    [[114, 10], [115, 10], [115, 11], [114, 10]],
    [[179, -17], [-179, -17], [-179, -16], [179, -16], [179, -17]],
    [[-180, -70], [-90, -72], [0, -70], [90, -72], [179.5, -70], [-180, -70]],
    [[-13, 26], [-9, 26], [-9, 29], [-13, 29], [-13, 26]],
    [[-9, 25], [-8, 25], [-8, 27], [-9, 27], [-9, 25]]
  ]
})";

// A node_modules folder holding `atlas` and `codes`.
class Sources {
 public:
  Sources(const std::string& atlas, const std::string& codes) {
    dir_.write_file("world-atlas/countries-10m.json", atlas);
    dir_.write_file("i18n-iso-countries/codes.json", codes);
  }
  const std::string& path() const { return dir_.path(); }

 private:
  test::TempDir dir_;
};

Finder finder_of(const CountrySet& set) {
  const std::vector<std::uint8_t> bytes = write_countries(
      set.outlines, set.disputed, world_countries_quantisation());
  return Finder(data::InMemory(std::vector<char>(bytes.begin(), bytes.end())));
}

std::size_t index_of(const CountrySet& set, const std::string& code) {
  for (std::size_t i = 0; i < set.outlines.size(); ++i) {
    if (set.outlines[i].code == code) return i;
  }
  return set.outlines.size();
}

TEST(WorldCountries, FindsTheCountryOfPositions) {
  const Sources sources(kAtlas, kCodes);
  const CountrySet set = read_world_countries(sources.path());
  const Finder finder = finder_of(set);
  const struct {
    double lat;
    double lng;
    const char* expected;
  } kCases[] = {
      {46, 2, "FR"},
      {16.15, -61.4, "GP"},      // recoded out of France
      {40.0005, 10.0005, "ZZ"},  // the islet, too small to keep
      {45, 20.5, "RS"},
      {43.5, 21.5, "XK"},  // in Serbia's hole
      {-27, 26, "ZA"},
      {-28.5, 27.5, "LS"},  // smaller, so before South Africa
      {10.3, 114.5, "ZZ"},  // left out
      {-16.5, 179.5, "FJ"},
      {-16.5, -179.5, "FJ"},
      {-16.5, 0, "ZZ"},  // no strip round the world
      {-16.5, 120, "ZZ"},
      {-80, 0, "AQ"},
      {-89.9, 45, "AQ"},
      {-75, -179.9, "AQ"},
      {-60, 0, "ZZ"},
      {28.5, -11, "MA"},
      {27.70, -11, "MA"},
      {27.63, -11, "EH"},  // Morocco's polygon south of 27 40' N
      {26.5, -11, "EH"},
      {26, -8.5, "EH"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.lat << ", " << c.lng);
    EXPECT_EQ(finder.country_of(Coordinates(c.lat, c.lng)).code, c.expected);
  }
}

TEST(WorldCountries, CutsAcrossTheAntimeridianAndOrdersSmallestFirst) {
  const Sources sources(kAtlas, kCodes);
  const CountrySet set = read_world_countries(sources.path());
  std::multiset<std::string> codes;
  for (const CountryOutline& outline : set.outlines) codes.insert(outline.code);
  EXPECT_EQ(codes,
            std::multiset<std::string>({"AQ", "EH", "EH", "FJ", "FJ", "FR",
                                        "GP", "LS", "MA", "RS", "XK", "ZA"}));
  EXPECT_LT(index_of(set, "LS"), index_of(set, "ZA"));
  EXPECT_LT(index_of(set, "XK"), index_of(set, "RS"));
  EXPECT_LT(index_of(set, "GP"), index_of(set, "FR"));
  // Both halves of Fiji stay on the plane, one at each edge.
  for (const CountryOutline& outline : set.outlines) {
    if (outline.code != "FJ") continue;
    double west = 180;
    double east = -180;
    for (const Coordinates& c : outline.rings[0]) {
      west = std::min(west, c.lng);
      east = std::max(east, c.lng);
    }
    SCOPED_TRACE(testing::Message() << west << " .. " << east);
    EXPECT_TRUE((west > 178.9 && east > 179.99) ||
                (west < -179.99 && east < -178.9));
  }
}

TEST(WorldCountries, SnapsAndSimplifiesCorners) {
  const Sources sources(kAtlas, kCodes);
  const CountrySet set = read_world_countries(sources.path());
  const Quantisation q = world_countries_quantisation();
  EXPECT_EQ(q.x_origin, -180.0);
  EXPECT_EQ(q.y_origin, -90.0);
  EXPECT_EQ(q.x_step, 360.0 / 65535);
  EXPECT_EQ(q.y_step, 174.0 / 65535);
  // The corner within a unit of the southern side goes.
  const std::vector<Coordinates>& ring =
      set.outlines[index_of(set, "FR")].rings.at(0);
  EXPECT_EQ(ring.size(), 5u);
  // France's corner at (48, 4): 184 / (360 / 65535) = 33495.7 and
  // 138 / (174 / 65535) = 51976.03 units.
  const bool found =
      std::any_of(ring.begin(), ring.end(), [&](const Coordinates& c) {
        return c.lng == -180.0 + 33496 * q.x_step &&
               c.lat == -90.0 + 51976 * q.y_step;
      });
  EXPECT_TRUE(found);
}

TEST(WorldCountries, ListsDisputedAreasWhoseClaimantsArePresent) {
  const Sources sources(kAtlas, kCodes);
  const CountrySet set = read_world_countries(sources.path());
  ASSERT_EQ(set.disputed.size(), 2u);
  EXPECT_EQ(set.disputed[0].area, "EH");
  EXPECT_EQ(set.disputed[0].claimants, std::vector<std::string>({"MA"}));
  EXPECT_EQ(set.disputed[1].area, "XK");
  EXPECT_EQ(set.disputed[1].claimants, std::vector<std::string>({"RS"}));
  std::set<std::string> expanded;
  for (const Country& c :
       finder_of(set).expand_with_disputed({Country("RS")})) {
    expanded.insert(c.code);
  }
  EXPECT_EQ(expanded, std::set<std::string>({"RS", "XK"}));

  // Without Serbia, Kosovo's line goes.
  std::string atlas = kAtlas;
  atlas.replace(atlas.find("\"688\""), 5, "\"504\"");
  const Sources without_serbia(atlas, kCodes);
  const CountrySet fewer = read_world_countries(without_serbia.path());
  ASSERT_EQ(fewer.disputed.size(), 1u);
  EXPECT_EQ(fewer.disputed[0].area, "EH");
}

TEST(WorldCountries, RejectsGeometriesItCannotCode) {
  const std::string unknown_id = R"({"type": "Topology", "objects":
      {"countries": {"type": "GeometryCollection", "geometries": [
        {"type": "Polygon", "id": "999", "arcs": [[0]]}]}},
      "arcs": [[[0, 0], [1, 0], [0, 1], [0, 0]]]})";
  const std::string unknown_name = R"({"type": "Topology", "objects":
      {"countries": {"type": "GeometryCollection", "geometries": [
        {"type": "Polygon", "properties": {"name": "Atlantis"},
         "arcs": [[0]]}]}},
      "arcs": [[[0, 0], [1, 0], [0, 1], [0, 0]]]})";
  const std::string off_the_plane = R"({"type": "Topology", "objects":
      {"countries": {"type": "GeometryCollection", "geometries": [
        {"type": "Polygon", "id": "250", "arcs": [[0]]}]}},
      "arcs": [[[0, 85], [1, 85], [0, 86], [0, 85]]]})";
  for (const std::string& atlas : {unknown_id, unknown_name, off_the_plane}) {
    const Sources sources(atlas, kCodes);
    EXPECT_THROW(read_world_countries(sources.path()), std::runtime_error);
  }
  const Sources bad_codes(kAtlas, R"([["FR", "FRA"]])");
  EXPECT_THROW(read_world_countries(bad_codes.path()), std::runtime_error);
  test::TempDir empty;
  EXPECT_THROW(read_world_countries(empty.path()), std::runtime_error);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
