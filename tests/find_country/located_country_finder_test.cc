#include "find_country/located_country_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/angles.h"
#include "data/in_memory.h"
#include "mkdata/find_country/countries_writer.h"
#include "mkdata/find_country/synthetic_countries.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"
#include "tessera/error.h"
#include "tessera/polygon.h"
#include "testing/country_scan.h"
#include "testing/fixture_data_set.h"

namespace tessera {
namespace find_country {
namespace {

using Finder = LocatedCountryFinder<data::InMemory>;
using Bytes = std::vector<std::uint8_t>;

const std::string kPrefix = "Integrity failure (data files corrupted): ";

// One unit per degree from (0, 0), so corners are whole units.
constexpr mkdata::Quantisation kUnits{1.0, 1.0, 0.0, 0.0};

Finder finder_of(const Bytes& bytes) {
  return Finder(data::InMemory(std::vector<char>(bytes.begin(), bytes.end())));
}

Bytes synthetic_bytes() {
  const mkdata::CountrySet set = mkdata::synthetic_countries();
  return mkdata::write_countries(set.outlines, set.disputed);
}

// A ring of `vertices` points round (lng, lat) = (cx, cy) whose radius, in
// degrees, swings `lobes` times between r0 - swing and r0 + swing: its long
// arcs cross a row of the grid many times.
std::vector<Coordinates> wavy_ring(double cx, double cy, double r0,
                                   double swing, int lobes, int vertices) {
  std::vector<Coordinates> ring;
  for (int k = 0; k < vertices; ++k) {
    const double t = 2 * core::kPi * k / vertices;
    const double r = r0 + swing * std::sin(lobes * t);
    ring.emplace_back(cy + r * std::sin(t), cx + r * std::cos(t));
  }
  return ring;
}

// Outlines of thousands of vertices at the world's quantisation, one with a
// hole, one overlapping it: arcs long enough to be cut into chunks.
Bytes long_arc_bytes() {
  const std::vector<mkdata::CountryOutline> outlines = {
      {"LA",
       {wavy_ring(10, 10, 3, 1.5, 17, 2000), wavy_ring(10, 10, 1, 0.3, 5, 300)}},
      {"LB", {wavy_ring(15, 11, 2.5, 1.0, 11, 1500)}}};
  return mkdata::write_countries(outlines, {});
}

// A square of side `side` with its south-west corner at (x, y) = (lng, lat).
std::vector<Coordinates> square(double x, double y, double side) {
  return {{y, x}, {y, x + side}, {y + side, x + side}, {y + side, x}};
}

std::set<std::string> codes_of(const std::set<Country>& countries) {
  std::set<std::string> codes;
  for (const Country& c : countries) codes.insert(c.code);
  return codes;
}

std::set<Country> countries(const std::vector<std::string>& codes) {
  std::set<Country> result;
  for (const std::string& code : codes) result.insert(Country(code));
  return result;
}

// Distance from p to the segment a-b, everything in quantised units.
double distance_to_segment(double px, double py, double ax, double ay,
                           double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : ((px - ax) * dx + (py - ay) * dy) / length2;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

TEST(LocatedCountryFinder, AgreesWithWindingNumbersOverTheSourceRings) {
  const mkdata::CountrySet set = mkdata::synthetic_countries();
  const Finder finder = finder_of(synthetic_bytes());
  const mkdata::Quantisation q = mkdata::world_quantisation();
  // Quantising corners and splitting edges moves a border by at most about
  // one unit; points closer than this are skipped.
  constexpr double kMarginUnits = 3;

  const unsigned kSeed = 20261210;
  SCOPED_TRACE(testing::Message() << "seed " << kSeed);
  std::mt19937 random(kSeed);
  std::uniform_real_distribution<double> main_lng(-2, 22), main_lat(-5, 16);
  std::uniform_real_distribution<double> island_lng(-181, -177),
      island_lat(49, 52);
  std::uniform_int_distribution<int> turns(-2, 2);
  int inside = 0;
  for (int sample = 0; sample < 4000; ++sample) {
    const bool island = sample % 4 == 0;
    const double lng = island ? island_lng(random) : main_lng(random);
    const double lat = island ? island_lat(random) : main_lat(random);
    const Coordinates p(lat, lng);

    std::string expected = "ZZ";
    bool near_border = false;
    for (const mkdata::CountryOutline& outline : set.outlines) {
      bool in_outline = false;
      for (std::size_t r = 0; r < outline.rings.size(); ++r) {
        std::vector<Coordinates> ring = outline.rings[r];
        if (ring.front().lat != ring.back().lat ||
            ring.front().lng != ring.back().lng) {
          ring.push_back(ring.front());
        }
        for (std::size_t k = 0; k + 1 < ring.size(); ++k) {
          if (distance_to_segment(
                  lng / q.x_step, lat / q.y_step, ring[k].lng / q.x_step,
                  ring[k].lat / q.y_step, ring[k + 1].lng / q.x_step,
                  ring[k + 1].lat / q.y_step) < kMarginUnits) {
            near_border = true;
          }
        }
        // The outer ring must hold the point and no hole may.
        const bool in_ring = tessera::Polygon(ring).contains(p);
        if (r == 0) {
          in_outline = in_ring;
        } else if (in_ring) {
          in_outline = false;
        }
      }
      if (in_outline && expected == "ZZ") expected = outline.code;
    }
    if (near_border) continue;
    if (expected != "ZZ") ++inside;

    // The same meridian reached by whole turns round the globe.
    const Coordinates turned(lat, lng + 360.0 * turns(random));
    SCOPED_TRACE(testing::Message() << "lat " << lat << ", lng " << lng
                                    << ", turned " << turned.lng);
    EXPECT_EQ(finder.country_of(p).code, expected);
    EXPECT_EQ(finder.country_of(turned).code, expected);
    EXPECT_EQ(finder.is_point_in(p, countries({"ZZ"})), expected == "ZZ");
    if (expected != "ZZ") {
      EXPECT_TRUE(finder.is_point_in(p, countries({expected})));
    }
  }
  // Most samples must have landed in some country for the test to mean
  // anything.
  EXPECT_GT(inside, 1500);
}

TEST(LocatedCountryFinder, WrapsLongitudeIntoOneTurn) {
  const Finder finder = finder_of(synthetic_bytes());
  const double x_step = 360.0 / 65535;
  const struct {
    double lng;
    double x;
  } kCases[] = {
      {-180, 0},
      {180, 0},
      {540, 0},
      {-540, 0},
      {-190, 350 / x_step},
      {179.5, 359.5 / x_step},
      {359.5, 179.5 / x_step},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.lng);
    EXPECT_EQ(finder.quantise(Coordinates(0, c.lng)).x, c.x);
  }
  EXPECT_EQ(finder.quantise(Coordinates(-90, 0)).y, 0);

  // DD covers longitude -180 ... -178 at latitude 50 ... 51.
  EXPECT_EQ(finder.country_of(Coordinates(50.5, -178.5)).code, "DD");
  EXPECT_EQ(finder.country_of(Coordinates(50.5, 181.5)).code, "DD");
  EXPECT_EQ(finder.country_of(Coordinates(50.5, -538.5)).code, "DD");
  EXPECT_EQ(finder.country_of(Coordinates(50.5, -181.5)).code, "ZZ");
}

TEST(LocatedCountryFinder, BoundingBoxesAreInclusive) {
  // AA's box is x 0 ... 1, y 0 ... 1 on the unit grid.
  const Finder finder = finder_of(mkdata::write_countries(
      {{"AA", {square(0, 0, 1)}}, {"BB", {square(5, 5, 1)}}}, {}, kUnits));
  const struct {
    XY p;
    bool in;
  } kCases[] = {
      {{0, 0}, true},           {{1, 1}, true},      {{0.5, 0}, true},
      {{1, 0.5}, true},         {{0, 1}, true},      {{-1e-9, 0.5}, false},
      {{0.5, 1.000001}, false}, {{1.5, 0.5}, false}, {{0.5, -0.5}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.p.x << ", " << c.p.y);
    EXPECT_EQ(finder.point_is_in_bounding_box(c.p, 0), c.in);
  }
}

TEST(LocatedCountryFinder, FirstPolygonInFileOrderWins) {
  const mkdata::CountryOutline aa{"AA", {square(0, 0, 10)}};
  const mkdata::CountryOutline bb{"BB", {square(5, 5, 10)}};
  const Finder ab = finder_of(mkdata::write_countries({aa, bb}, {}, kUnits));
  const Finder ba = finder_of(mkdata::write_countries({bb, aa}, {}, kUnits));
  const Coordinates overlap(7, 7), only_bb(12, 12), neither(20, 20);
  EXPECT_EQ(ab.country_of(overlap).code, "AA");
  EXPECT_EQ(ba.country_of(overlap).code, "BB");
  EXPECT_EQ(ab.country_of(only_bb).code, "BB");
  EXPECT_EQ(ab.country_of(neither).code, "ZZ");
  // is_point_in looks past the first polygon for one of the set.
  EXPECT_TRUE(ab.is_point_in(overlap, countries({"BB"})));
  EXPECT_FALSE(ab.is_point_in(overlap, countries({"BB", "ZZ"})));
}

TEST(LocatedCountryFinder, IsPointInTakesZZForNoCountry) {
  const Finder finder = finder_of(synthetic_bytes());
  const Coordinates in_aa(1, 1), in_enclave(4.5, 4.5), nowhere(-10, 50);
  const struct {
    std::vector<std::string> set;
    bool aa, enclave, none;
  } kCases[] = {
      {{}, false, false, false},
      {{"ZZ"}, false, false, true},
      {{"AA"}, true, false, false},
      {{"EE", "ZZ"}, false, true, true},
      {{"AA", "EE", "CC"}, true, true, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.set));
    EXPECT_EQ(finder.is_point_in(in_aa, countries(c.set)), c.aa);
    EXPECT_EQ(finder.is_point_in(in_enclave, countries(c.set)), c.enclave);
    EXPECT_EQ(finder.is_point_in(nowhere, countries(c.set)), c.none);
  }
}

TEST(LocatedCountryFinder, ExpandsWithDisputedAreas) {
  // XDAABB: AA's and BB's clipping include the area XD.
  const Finder finder = finder_of(synthetic_bytes());
  const struct {
    std::vector<std::string> in;
    std::set<std::string> out;
  } kCases[] = {
      {{"AA"}, {"AA", "XD"}},
      {{"BB", "CC"}, {"BB", "CC", "XD"}},
      {{"XD"}, {"XD"}},
      {{"CC", "ZZ"}, {"CC", "ZZ"}},
      {{}, {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.in));
    EXPECT_EQ(codes_of(finder.expand_with_disputed(countries(c.in))), c.out);
  }
}

TEST(LocatedCountryFinder, RejectsBadDisputedLinesAtConstruction) {
  const std::vector<mkdata::CountryOutline> two = {{"AA", {square(0, 0, 1)}},
                                                   {"BB", {square(2, 0, 1)}}};
  const struct {
    std::vector<mkdata::CountryOutline> outlines;
    std::vector<mkdata::DisputedArea> disputed;
    std::string detail;
  } kCases[] = {
      {two,
       {{"XX", {"A"}}},
       "countries.data contains country codes with odd digits."},
      {two,
       {{"XX", {}}},
       "countries.data contains invalid countries relations."},
      {two,
       {{"QQ", {"AA"}}},
       "countries.data reference unavailable country code - \"QQ\".."},
      // A lone outline makes a code list too short to be valid.
      {{two[0]}, {}, "countries.data contains invalid countries relations."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.detail);
    try {
      finder_of(mkdata::write_countries(c.outlines, c.disputed, kUnits));
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.what(), kPrefix + c.detail);
    }
  }
  // A malformed code in the file is the file's damage, not the caller's.
  EXPECT_THROW(
      finder_of(mkdata::write_countries(two, {{"XX", {"a1"}}}, kUnits)),
      FileError);
}

std::uint32_t get_u32(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 |
         std::uint32_t{b[at + 2]} << 16 | std::uint32_t{b[at + 3]} << 24;
}

void set_u32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> 8 * i);
}

void set_u16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

TEST(LocatedCountryFinder, RejectsCorruptFiles) {
  const Bytes good = synthetic_bytes();
  const std::uint32_t n = get_u32(good, 36);
  const std::uint32_t m = get_u32(good, 40);
  const std::size_t polygon_table = 48 + 10 * n;
  const std::size_t arc_table = 48 + 14 * n;
  const std::size_t line_table = arc_table + 4 * m;
  const std::size_t polygon0 = get_u32(good, polygon_table);
  const auto each_arc = [&](const std::function<void(std::size_t)>& f) {
    for (std::uint32_t a = 0; a < m; ++a) f(arc_table + 4 * a);
  };
  const struct {
    const char* what;
    std::function<void(Bytes&)> corrupt;
  } kCases[] = {
      {"polygon count", [](Bytes& b) { set_u32(b, 36, 0x10000000); }},
      {"polygon count just too big",
       [&](Bytes& b) { set_u32(b, 36, (good.size() - 48) / 14 + 1); }},
      {"arc count", [](Bytes& b) { set_u32(b, 40, 0xFFFFFFFF); }},
      {"line count", [](Bytes& b) { set_u32(b, 44, 0x40000000); }},
      {"line position", [&](Bytes& b) { set_u32(b, line_table, good.size()); }},
      {"line without its line feed", [&](Bytes& b) { b.back() = 'A'; }},
      {"polygon position",
       [&](Bytes& b) { set_u32(b, polygon_table, 0xFFFFFF00); }},
      {"polygon arc count", [&](Bytes& b) { set_u16(b, polygon0, 0xFFFF); }},
      {"arc reference", [&](Bytes& b) { set_u16(b, polygon0 + 2, 0x7FFF); }},
      {"reversed arc reference",
       [&](Bytes& b) { set_u16(b, polygon0 + 2, 0x8000); }},
      {"arc positions",
       [&](Bytes& b) {
         each_arc([&](std::size_t e) { set_u32(b, e, good.size()); });
       }},
      {"arc step counts",
       [&](Bytes& b) {
         each_arc([&](std::size_t e) { set_u16(b, get_u32(b, e), 0xFFFF); });
       }},
      {"one arc's position",
       [&](Bytes& b) { set_u32(b, arc_table + 4 * (m - 1), 0xFFFFFFF0); }},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = good;
    c.corrupt(bytes);
    // Every outline is checked when the finder is built, so that no query
    // meets a damaged one.
    EXPECT_THROW(finder_of(bytes), FileError);
  }
}

// The index gives exactly the answers of testing every outline in file
// order, on the synthetic outlines (half a million positions), on long
// wavy ones (50,000) and on the fixture data set's (a million), half of
// them next to the borders, and at every vertex.
TEST(LocatedCountryFinder, IndexAgreesWithTheFullScan) {
  EXPECT_GT(test::compare_country_index_with_full_scan(synthetic_bytes(),
                                                       500000, true),
            500000u);
  EXPECT_GT(test::compare_country_index_with_full_scan(long_arc_bytes(),
                                                       50000, true),
            50000u);
  const std::string path =
      test::fixture_data_dir() + "/countries/countries.data";
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path;
  const Bytes fixture((std::istreambuf_iterator<char>(in)),
                      std::istreambuf_iterator<char>());
  EXPECT_GT(test::compare_country_index_with_full_scan(fixture, 1000000, true),
            1000000u);
}

TEST(LocatedCountryFinder, RejectsEveryTruncation) {
  // The last byte is the line feed of the last disputed-area line, so every
  // cut loses at least that.
  const Bytes good = synthetic_bytes();
  for (std::size_t length = 0; length < good.size(); ++length) {
    SCOPED_TRACE(length);
    EXPECT_THROW(finder_of(Bytes(good.begin(), good.begin() + length)),
                 FileError);
  }
}

}  // namespace
}  // namespace find_country
}  // namespace tessera
