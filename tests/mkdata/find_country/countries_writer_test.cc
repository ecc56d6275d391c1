#include "mkdata/find_country/countries_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "find_country/located_country_finder.h"
#include "testing/hex.h"

namespace tessera {
namespace mkdata {
namespace {

// One unit per degree from (0, 0), so corners are whole units.
constexpr Quantisation kUnits{1.0, 1.0, 0.0, 0.0};

// Units of one degree of longitude and a hundredth of a degree of
// latitude, so that y can run past 90 units.
constexpr Quantisation kLatHundredths{1.0, 0.01, 0.0, 0.0};

// A ring from (x, y) = (lng, lat) corners.
std::vector<Coordinates> ring(
    const std::vector<std::pair<double, double>>& corners) {
  std::vector<Coordinates> result;
  for (const auto& c : corners) result.emplace_back(c.second, c.first);
  return result;
}

// A ring from (x, y) corners in kLatHundredths units.
std::vector<Coordinates> ring_in_hundredths(
    const std::vector<std::pair<double, double>>& corners) {
  std::vector<Coordinates> result;
  for (const auto& c : corners) result.emplace_back(c.second / 100, c.first);
  return result;
}

find_country::LocatedCountryFinder<data::InMemory> read(
    const std::vector<std::uint8_t>& bytes) {
  return find_country::LocatedCountryFinder<data::InMemory>(
      data::InMemory(std::vector<char>(bytes.begin(), bytes.end())));
}

TEST(CountriesWriter, WritesTwoSquaresSharingOneBorderArc) {
  // AA and BB are unit squares side by side; the edge x = 1 is one arc,
  // walked upwards by AA and downwards by BB, both rings anticlockwise.
  const std::vector<std::uint8_t> bytes = write_countries(
      {{"AA", {ring({{0, 0}, {1, 0}, {1, 1}, {0, 1}})}},
       {"BB", {ring({{1, 1}, {2, 1}, {2, 0}, {1, 0}})}}},  // clockwise
      {{"AA", {"BB"}}}, kUnits);
  const std::vector<std::uint8_t> expected = test::from_hex(
      "8D000000"                                  // length 141
      "000000000000F03F 000000000000F03F"         // steps 1, 1
      "0000000000000000 0000000000000000"         // origin 0, 0
      "02000000 03000000 01000000"                // N, M, R
      "41414242"                                  // AA BB
      "0000 0000 0100 0100  0100 0000 0200 0100"  // boxes
      "5C000000 62000000"                         // polygons at 92, 98
      "68000000 70000000 7C000000"                // arcs at 104, 112, 124
      "88000000"                                  // line at 136
      "0200 0000 0100"                            // AA: arcs 0, 1
      "0200 0200 FFFF"                            // BB: arcs 2, ~0
      "0100 0100 0000 0001"                       // (1,0) up to (1,1)
      "0300 0100 0100 FF00 00FF 0100"             // AA's other sides
      "0300 0100 0000 0100 0001 FF00"             // BB's other sides
      "41414242 0A");                             // "AABB\n"
  EXPECT_EQ(bytes, expected);
}

TEST(CountriesWriter, SplitsLongEdgesIntoEqualSignedByteSteps) {
  // Sides of 300 and 1000 units: 3 steps of 100 and 8 steps of 125.
  const auto finder = read(write_countries(
      {{"AA", {ring_in_hundredths({{0, 0}, {300, 0}, {300, 1000}, {0, 1000}})}},
       {"BB", {ring_in_hundredths({{400, 0}, {401, 0}, {401, 1}})}}},
      {}, kLatHundredths));
  const find_country::Polygon polygon = finder.read_polygon(0);
  ASSERT_EQ(polygon.n, 1);
  const find_country::Arc arc = finder.read_arc(polygon.arcs[0]);
  EXPECT_EQ(arc.x0, 0);
  EXPECT_EQ(arc.y0, 0);
  std::vector<std::pair<int, int>> steps;
  for (const auto& s : arc.steps) steps.emplace_back(s.first, s.second);
  std::vector<std::pair<int, int>> expected;
  expected.insert(expected.end(), 3, {100, 0});
  expected.insert(expected.end(), 8, {0, 125});
  expected.insert(expected.end(), 3, {-100, 0});
  expected.insert(expected.end(), 8, {0, -125});
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(arc.n, expected.size());
}

TEST(CountriesWriter, UnevenSplitsStayWithinASignedByte) {
  // A diagonal of (32767, -255) units cannot be split evenly.
  const auto finder = read(write_countries(
      {{"AA", {ring_in_hundredths({{0, 300}, {32767, 45}, {32767, 300}})}},
       {"BB", {ring_in_hundredths({{0, 0}, {1, 0}, {1, 1}})}}},
      {}, kLatHundredths));
  const find_country::Arc arc = finder.read_arc(finder.read_polygon(0).arcs[0]);
  std::int64_t x = arc.x0;
  std::int64_t y = arc.y0;
  for (const auto& s : arc.steps) {
    x += s.first;
    y += s.second;
    if (x == 32767 && y == 45) break;
  }
  EXPECT_EQ(x, 32767);
  EXPECT_EQ(y, 45);
}

TEST(CountriesWriter, RejectsBadOutlines) {
  const std::vector<Coordinates> square = ring({{0, 0}, {1, 0}, {1, 1}});
  EXPECT_THROW(write_countries({{"AAA", {square}}}, {}, kUnits),
               std::invalid_argument);
  EXPECT_THROW(write_countries({{"AA", {ring({{0, 0}, {70000, 0}, {0, 1}})}}},
                               {}, kUnits),
               std::invalid_argument);
  EXPECT_THROW(
      write_countries({{"AA", {ring({{-1, 0}, {1, 0}, {0, 1}})}}}, {}, kUnits),
      std::invalid_argument);
  // Three corners, two of them the same after rounding.
  EXPECT_THROW(
      write_countries({{"AA", {ring({{0, 0}, {5, 5}, {5.2, 5.3}, {0, 0}})}}},
                      {}, kUnits),
      std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
