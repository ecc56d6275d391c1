#include "algorithm/grid_square.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <ostream>
#include <random>

#include "algorithm/column_table.h"

namespace tessera {
namespace algorithm {

static void PrintTo(const GridSquare& s, std::ostream* os) {
  *os << "{cell_x " << s.cell_x << ", cell_y " << s.cell_y << ", col " << s.col
      << ", row " << s.row << ", cols " << s.cols << "}";
}

namespace {

TEST(GridSquare, SquareContainingCoords) {
  const struct {
    double lat, lng;
    GridSquare expected;
  } kCases[] = {
      {0.0, 0.0, {4320, 2160, 0, 0, 1545}},
      // Poles: latitude 90 (and what rounds to it) is in the top row.
      {90.0, 0.0, {4320, 4319, 0, 1545, 1}},
      {89.9999999995, 0.0, {4320, 4319, 0, 1545, 1}},
      {-90.0, 0.0, {4320, 0, 0, 0, 1}},
      // Longitudes wrap into [-180, 180), with 180 at -180.
      {0.0, 180.0, {0, 2160, 0, 0, 1545}},
      {0.0, -180.0, {0, 2160, 0, 0, 1545}},
      {0.0, 540.0, {0, 2160, 0, 0, 1545}},
      {0.0, -540.0, {0, 2160, 0, 0, 1545}},
      {0.0, 360.0, {4320, 2160, 0, 0, 1545}},
      {0.0, -190.0, {8400, 2160, 0, 0, 1545}},
      {0.0, 170.0, {8400, 2160, 0, 0, 1545}},
      {0.0, 179.999999, {8639, 2160, 1544, 0, 1545}},
      {0.0, -180.0000004, {0, 2160, 0, 0, 1545}},  // rounds to -180
      {0.0, -180.000001, {8639, 2160, 1544, 0, 1545}},
      // A south or west edge belongs to the square, a north or east edge to
      // the neighbour, wherever the arithmetic is exact. 0.125 degrees is
      // three cells from the equator and from the prime meridian;
      // 0.025 = 927 / (24 * 1545) is an inner column edge.
      {0.125, 0.125, {4323, 2163, 0, 0, 1545}},
      {0.124999, 0.124999, {4322, 2162, 1544, 1545, 1545}},
      {0.0, 0.025, {4320, 2160, 927, 0, 1545}},
      {0.0, 0.024999, {4320, 2160, 926, 0, 1545}},
      // Inner column edges where the fraction of the cell comes out a hair
      // short (0.39999999999986 of the cell for 618 / 1545 = 0.4): snapping
      // it to 10 decimals keeps the position in the eastern column.
      {0.0, -179.4, {14, 2160, 618, 0, 1545}},
      {0.0, -179.675, {7, 2160, 1236, 0, 1545}},
      {-0.000001, -0.000001, {4319, 2159, 1544, 1545, 1545}},
      // Exactly on the west edge of column 93 of a 1250-column cell, but the
      // column is found in doubles and 0.0744 * 1250 rounds below 93.
      {-36.01655, -145.6219, {825, 1295, 92, 931, 1250}},
      // Cell rows 0, 1, 4318 and 4319 have a single column.
      {-89.99, 179.9, {8637, 0, 0, 371, 1}},
      {-89.93, -100.0, {1920, 1, 0, 1051, 1}},
      {89.93, 45.5, {5412, 4318, 0, 494, 1}},
      {89.99, -0.3, {4312, 4319, 0, 1174, 1}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.lat << ", " << c.lng);
    EXPECT_EQ(square_containing_coords(Coordinates(c.lat, c.lng)), c.expected);
  }
}

TEST(GridSquare, NonFiniteInputsStillGiveASquare) {
  const double kNan = std::numeric_limits<double>::quiet_NaN();
  const double kInf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(square_containing_coords(Coordinates(kNan, 0.0)),
            (GridSquare{4320, 0, 0, 0, 1}));
  EXPECT_EQ(square_containing_coords(Coordinates(0.0, kNan)),
            (GridSquare{0, 2160, 0, 0, 1545}));
  EXPECT_EQ(square_containing_coords(Coordinates(0.0, -kInf)),
            (GridSquare{0, 2160, 0, 0, 1545}));
  // Far beyond the antimeridian the longitude has no decimals left, but the
  // square stays inside the grid.
  for (double lng : {1e300, -1e300, 1e17, -9.1e15}) {
    SCOPED_TRACE(lng);
    const GridSquare s = square_containing_coords(Coordinates(45.0, lng));
    EXPECT_GE(s.cell_x, 0);
    EXPECT_LT(s.cell_x, 8640);
    EXPECT_GE(s.col, 0);
    EXPECT_LT(s.col, s.cols);
  }
}

TEST(GridSquare, BoundsAndCentre) {
  const struct {
    GridSquare square;
    double sw_lat, sw_lng, ne_lat, ne_lng, centre_lat, centre_lng;
  } kCases[] = {
      {{4320, 2160, 0, 0, 1545},
       0.0,
       0.0,
       0.000027,
       0.000027,
       0.000013,
       0.000013},
      {{0, 0, 0, 0, 1},
       -90.0,
       -180.0,
       -89.999973,
       -179.958333,
       -89.999987,
       -179.979167},
      {{4320, 4319, 0, 1545, 1},
       89.999973,
       0.0,
       90.0,
       0.041667,
       89.999987,
       0.020833},
      {{8639, 2160, 1544, 0, 1545},
       0.0,
       179.999973,
       0.000027,
       180.0,
       0.000013,
       179.999987},
      {{4320, 2160, 927, 0, 1545},
       0.0,
       0.025,
       0.000027,
       0.025027,
       0.000013,
       0.025013},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.square));
    const BoundingBox box = square_bounds(c.square);
    EXPECT_EQ(box.sw.lat, c.sw_lat);
    EXPECT_EQ(box.sw.lng, c.sw_lng);
    EXPECT_EQ(box.ne.lat, c.ne_lat);
    EXPECT_EQ(box.ne.lng, c.ne_lng);
    const Coordinates centre = square_centre(c.square);
    EXPECT_EQ(centre.lat, c.centre_lat);
    EXPECT_EQ(centre.lng, c.centre_lng);
  }
}

// Reference values in whole micro-degrees, from integer arithmetic only.
constexpr std::int64_t kMicro = 1000000;

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t wrap_lng_micro(std::int64_t lng) {
  const std::int64_t turn = 360 * kMicro;
  return lng - floor_div(lng + 180 * kMicro, turn) * turn;
}

// The square of a position given in micro-degrees. `on_inner_column_edge` is
// set when the position lies exactly on the line between two columns of a
// cell: the grid computes the column in doubles, so such a position can fall
// on either side of its line.
GridSquare expected_square(std::int64_t lat, std::int64_t lng,
                           bool* on_inner_column_edge) {
  GridSquare s;
  // Positions in millionths of a cell.
  const std::int64_t x = (wrap_lng_micro(lng) + 180 * kMicro) * 24;
  const std::int64_t y = (lat + 90 * kMicro) * 24;
  s.cell_x = static_cast<std::int32_t>(x / kMicro);
  if (lat == 90 * kMicro) {
    s.cell_y = 4319;
    s.row = 1545;
  } else {
    s.cell_y = static_cast<std::int32_t>(y / kMicro);
    s.row = static_cast<std::int32_t>(y % kMicro * 1546 / kMicro);
  }
  s.cols = columns_in_cell_row[s.cell_y];
  s.col = static_cast<std::int32_t>(x % kMicro * s.cols / kMicro);
  *on_inner_column_edge = x % kMicro != 0 && x % kMicro * s.cols % kMicro == 0;
  return s;
}

// The micro-degree value nearest n / d - offset (n >= 0, d > 0). When n / d is
// exactly halfway between two integers, either may come out of a rounding
// done in doubles, so both are accepted.
struct Rounded {
  std::int64_t low, high;
};

Rounded nearest(std::int64_t n, std::int64_t d, std::int64_t offset) {
  const std::int64_t q = n / d - offset;
  const std::int64_t twice_r = 2 * (n % d);
  if (twice_r < d) return {q, q};
  if (twice_r > d) return {q + 1, q + 1};
  return {q, q + 1};
}

testing::AssertionResult matches(double actual, Rounded expected) {
  const double low = static_cast<double>(expected.low) / kMicro;
  const double high = static_cast<double>(expected.high) / kMicro;
  if (actual == low || actual == high) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << std::setprecision(17) << actual << " is not " << low
         << (low == high ? "" : " nor the other side of the tie ") << high;
}

// Brute force over positions held as whole micro-degrees plus a little noise
// that the algorithm's own rounding to 6 decimals removes. Such a position q
// lies in its square between the west and east edges (on the east edge only
// when it is on an inner column line and was given the western column), and
// rounding the corners to whole micro-degrees is monotone, so the rounded box
// contains q with no tolerance (q may sit on its rounded north or east edge).
// The raw position, before rounding, can lie up to half a micro-degree
// outside.
TEST(GridSquare, RandomPositionsAgainstIntegerReference) {
  const std::uint64_t kSeed = 0x7e55e7a;
  std::mt19937_64 rng(kSeed);
  const auto uniform = [&rng](std::int64_t lo, std::int64_t hi) {
    return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
  };
  std::uniform_real_distribution<double> noise(-4e-7, 4e-7);
  const std::int64_t kDegree = kMicro;

  for (int i = 0; i < 200000; ++i) {
    std::int64_t lat = uniform(-90 * kDegree, 90 * kDegree);
    std::int64_t lng = uniform(-180 * kDegree, 180 * kDegree - 1);
    switch (i % 5) {
      case 1:  // near the poles, including them
        lat = (i % 2 ? 1 : -1) * (90 * kDegree - uniform(0, 2 * kDegree));
        break;
      case 2:  // near the antimeridian, on either side
        lng = (i % 2 ? 1 : -1) * (180 * kDegree + uniform(-3000, 3000));
        break;
      case 3:  // a few turns around the earth
        lng = uniform(-1080 * kDegree, 1080 * kDegree);
        break;
      case 4:  // on or next to cell edges: 0.125 degree is three cells
        lat = (lat / 125000) * 125000 + uniform(-1, 1);
        lng = (lng / 125000) * 125000 + uniform(-1, 1);
        if (lat > 90 * kDegree || lat < -90 * kDegree) lat /= 2;
        break;
    }
    double lat_noise = i % 3 ? noise(rng) : 0.0;
    if (std::abs(lat) == 90 * kDegree) lat_noise = 0.0;
    const double lng_noise = i % 3 ? noise(rng) : 0.0;
    const Coordinates p(static_cast<double>(lat) / kMicro + lat_noise,
                        static_cast<double>(lng) / kMicro + lng_noise);
    const Coordinates q(static_cast<double>(lat) / kMicro,
                        static_cast<double>(wrap_lng_micro(lng)) / kMicro);

    const GridSquare s = square_containing_coords(p);
    bool on_edge = false;
    GridSquare expected = expected_square(lat, lng, &on_edge);
    if (on_edge && s.col + 1 == expected.col) expected.col = s.col;
    ASSERT_EQ(s, expected) << "seed " << kSeed << ", position " << i << ": "
                           << lat << ", " << lng << " micro-degrees";

    const std::int64_t n = std::int64_t{s.cell_y} * 1546 + s.row;
    const std::int64_t m = std::int64_t{s.cell_x} * s.cols + s.col;
    const std::int64_t d = 24 * std::int64_t{s.cols};
    const BoundingBox box = square_bounds(s);
    ASSERT_TRUE(matches(box.sw.lat, nearest(n * kMicro, 37104, 90 * kMicro)))
        << "seed " << kSeed << ", position " << i;
    ASSERT_TRUE(
        matches(box.ne.lat, nearest((n + 1) * kMicro, 37104, 90 * kMicro)))
        << "seed " << kSeed << ", position " << i;
    ASSERT_TRUE(matches(box.sw.lng, nearest(m * kMicro, d, 180 * kMicro)))
        << "seed " << kSeed << ", position " << i;
    ASSERT_TRUE(matches(box.ne.lng, nearest((m + 1) * kMicro, d, 180 * kMicro)))
        << "seed " << kSeed << ", position " << i;
    ASSERT_TRUE(box.sw.lat <= q.lat && q.lat <= box.ne.lat &&
                box.sw.lng <= q.lng && q.lng <= box.ne.lng)
        << "seed " << kSeed << ", position " << i;

    const Coordinates centre = square_centre(s);
    ASSERT_TRUE(matches(centre.lat,
                        nearest((2 * n + 1) * kMicro, 2 * 37104, 90 * kMicro)))
        << "seed " << kSeed << ", position " << i;
    ASSERT_TRUE(
        matches(centre.lng, nearest((2 * m + 1) * kMicro, 2 * d, 180 * kMicro)))
        << "seed " << kSeed << ", position " << i;
    ASSERT_TRUE(box.sw.lat < centre.lat && centre.lat < box.ne.lat &&
                box.sw.lng < centre.lng && centre.lng < box.ne.lng)
        << "seed " << kSeed << ", position " << i;
    ASSERT_EQ(square_containing_coords(centre), s)
        << "seed " << kSeed << ", position " << i;
  }
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
