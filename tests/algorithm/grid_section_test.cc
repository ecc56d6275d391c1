#include "algorithm/grid_section.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <vector>

#include "algorithm/column_table.h"
#include "tessera/error.h"

namespace tessera {
namespace algorithm {
namespace {

using testing::StrEq;
using testing::ThrowsMessage;

constexpr std::int64_t kMicro = 1000000;

BoundingBox box_of(double sw_lat, double sw_lng, double ne_lat, double ne_lng) {
  return BoundingBox(Coordinates(sw_lat, sw_lng), Coordinates(ne_lat, ne_lng));
}

TEST(GridSection, TooLarge) {
  // Square boxes at the equator whose diagonal is the given length.
  const double kMetresPerDegree = 6371000.0 * 3.141592653589793 / 180.0;
  const auto diagonal_box = [&](double metres) {
    const double side = metres / std::sqrt(2.0) / kMetresPerDegree;
    return box_of(0.0, 0.0, side, side);
  };
  EXPECT_THAT([&] { grid_section(diagonal_box(4000.5)); },
              ThrowsMessage<InvalidArgumentError>(
                  StrEq("Grid section requested too large.")));
  EXPECT_NO_THROW(grid_section(diagonal_box(3999.0)));

  // At the pole a box of no length may still span half the world.
  EXPECT_THAT([&] { grid_section(box_of(90.0, -90.0, 90.0, 90.0)); },
              ThrowsMessage<InvalidArgumentError>(
                  StrEq("Grid section requested too large.")));
  EXPECT_EQ(grid_section(box_of(90.0, -90.0, 90.0, 89.999999)).size(),
            1u + 180 * 24);
}

TEST(GridSection, PointOnBothLinesGivesTwoEmptyLines) {
  const std::vector<GridLine> lines = grid_section(box_of(0.0, 0.0, 0.0, 0.0));
  ASSERT_EQ(lines.size(), 2u);
  for (const GridLine& line : lines) {
    EXPECT_EQ(line.start_point.lat, 0.0);
    EXPECT_EQ(line.start_point.lng, 0.0);
    EXPECT_EQ(line.end_point.lat, 0.0);
    EXPECT_EQ(line.end_point.lng, 0.0);
  }
}

// Longitudes are not range-checked. Where the spacing of the lines vanishes
// in rounding, or a coordinate is not a number, the result is short but the
// call returns.
// A box whose size cannot be measured is too large: a NaN corner once
// slipped past the size check and asked for hundreds of megabytes of lines.
TEST(GridSection, UnmeasurableBoxesAreTooLarge) {
  const double kInf = std::numeric_limits<double>::infinity();
  const double kNan = std::numeric_limits<double>::quiet_NaN();
  const BoundingBox kBoxes[] = {
      box_of(10.0, 0.0, kNan, 179.9), box_of(kNan, 0.0, kNan, 0.0001),
      box_of(0.0, kNan, 0.0, 0.0),    box_of(0.0, -kInf, 0.0, -kInf),
      box_of(0.0, kInf, 0.0, kInf),
  };
  for (const BoundingBox& box : kBoxes) {
    SCOPED_TRACE(testing::Message() << box.sw.lat << ", " << box.sw.lng << " - "
                                    << box.ne.lat << ", " << box.ne.lng);
    EXPECT_THAT([&] { grid_section(box); },
                ThrowsMessage<InvalidArgumentError>(
                    StrEq("Grid section requested too large.")));
  }
  // Far but finite longitudes are measured, and their loops end.
  for (double lng : {1e20, -1e15}) {
    SCOPED_TRACE(lng);
    EXPECT_LE(grid_section(box_of(0.0, lng, 0.0, lng)).size(), 2u);
  }
}

// Reference in whole micro-degrees, from integer arithmetic only: square rows
// lie at k / 37104 degrees, square columns of cell row y at
// c / (24 * columns_in_cell_row[y]) degrees, and every end is rounded to the
// nearest micro-degree.
struct Line {
  std::int64_t start_lat, start_lng, end_lat, end_lng;
};

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t ceil_div(std::int64_t a, std::int64_t b) {
  return -floor_div(-a, b);
}

std::int64_t nearest(std::int64_t n, std::int64_t d) {
  const std::int64_t q = floor_div(n, d);
  const std::int64_t twice_r = 2 * (n - q * d);
  if (twice_r == d) ADD_FAILURE() << n << " / " << d << " is a tie";
  return twice_r < d ? q : q + 1;
}

// Checks that a box edge at `micro` degrees is off the lines spaced
// 1 / `per_degree` apart: an edge on a line may or may not get it, depending
// on the rounding of the repeated additions.
void expect_off_lines(std::int64_t micro, std::int64_t per_degree) {
  EXPECT_NE(micro * per_degree % kMicro, 0)
      << "choose a box edge off the grid lines: " << micro;
}

struct Expected {
  std::vector<Line> lines;
  std::size_t latitude_lines;  // the first lines, south to north
  bool top_line_optional;      // the north edge lies on a latitude line
};

void add_longitude_lines(std::int64_t cell_row, std::int64_t lng_min,
                         std::int64_t lng_max, std::int64_t south,
                         std::int64_t north, std::vector<Line>& lines) {
  const std::int64_t per_degree =
      24 * std::int64_t{columns_in_cell_row[cell_row]};
  expect_off_lines(lng_min, per_degree);
  expect_off_lines(lng_max, per_degree);
  for (std::int64_t c = ceil_div(lng_min * per_degree, kMicro);
       c <= floor_div(lng_max * per_degree, kMicro); ++c) {
    const std::int64_t lng = nearest(c * kMicro, per_degree);
    lines.push_back({south, lng, north, lng});
  }
}

Expected expected_lines(std::int64_t lat_min, std::int64_t lng_min,
                        std::int64_t lat_max, std::int64_t lng_max) {
  Expected e{{}, 0, lat_max * 37104 % kMicro == 0};
  expect_off_lines(lat_min, 37104);
  for (std::int64_t k = ceil_div(lat_min * 37104, kMicro);
       k <= floor_div(lat_max * 37104, kMicro); ++k) {
    const std::int64_t lat = nearest(k * kMicro, 37104);
    e.lines.push_back({lat, lng_min, lat, lng_max});
  }
  e.latitude_lines = e.lines.size();
  const auto cell_row = [](std::int64_t lat) {
    return std::min<std::int64_t>(floor_div((lat + 90 * kMicro) * 24, kMicro),
                                  4319);
  };
  const std::int64_t north_row = cell_row(lat_max);
  const std::int64_t south_row = cell_row(lat_min);
  if (north_row == south_row) {
    add_longitude_lines(north_row, lng_min, lng_max, lat_min, lat_max, e.lines);
  } else {
    const std::int64_t boundary = nearest(north_row * kMicro, 24) - 90 * kMicro;
    add_longitude_lines(north_row, lng_min, lng_max, boundary, lat_max,
                        e.lines);
    add_longitude_lines(south_row, lng_min, lng_max, lat_min, boundary,
                        e.lines);
  }
  return e;
}

double degrees(std::int64_t micro) {
  return static_cast<double>(micro) / kMicro;
}

testing::AssertionResult same_lines(const std::vector<GridLine>& actual,
                                    const std::vector<Line>& expected) {
  if (actual.size() != expected.size()) {
    return testing::AssertionFailure()
           << actual.size() << " lines, expected " << expected.size();
  }
  for (std::size_t i = 0; i < actual.size(); ++i) {
    const GridLine& a = actual[i];
    const Line& e = expected[i];
    if (a.start_point.lat != degrees(e.start_lat) ||
        a.start_point.lng != degrees(e.start_lng) ||
        a.end_point.lat != degrees(e.end_lat) ||
        a.end_point.lng != degrees(e.end_lng)) {
      return testing::AssertionFailure()
             << std::setprecision(17) << "line " << i << " runs from "
             << a.start_point.lat << ", " << a.start_point.lng << " to "
             << a.end_point.lat << ", " << a.end_point.lng << "; expected "
             << degrees(e.start_lat) << ", " << degrees(e.start_lng) << " to "
             << degrees(e.end_lat) << ", " << degrees(e.end_lng);
    }
  }
  return testing::AssertionSuccess();
}

TEST(GridSection, LinesMatchIntegerReference) {
  // Boxes in micro-degrees: south, west, north, east.
  const struct {
    const char* name;
    std::int64_t lat_min, lng_min, lat_max, lng_max;
  } kCases[] = {
      // 1545 columns: longitude lines 1/37080 degree apart, latitude lines
      // 1/37104 degree apart.
      {"equator", 100, 200, 1300, 1700},
      {"south-west", -33861234, -151215678, -33850123, -151205678},
      {"east of the antimeridian, not wrapped", 10000100, 200000100, 10000400,
       200000500},
      // Cell rows 2160 and 2161 both have 1545 columns, so the two sets of
      // longitude lines share their longitudes.
      {"across latitude 1/24", 41000, 100, 42500, 900},
      // Cell rows 3239 and 3240 have 1093 and 1092 columns.
      {"across latitude 45", 44990000, 10000100, 45010000, 10020000},
      {"across latitude -45", -45010000, -10020000, -44990000, -10000100},
      // The north edge is in no cell row; the top row, which holds latitude
      // 90, gives the longitude lines (one column per cell, 1/24 degree).
      {"up to latitude 90", 89990000, 100, 90000000, 510000},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Expected e = expected_lines(c.lat_min, c.lng_min, c.lat_max, c.lng_max);
    const std::vector<GridLine> lines =
        grid_section(box_of(degrees(c.lat_min), degrees(c.lng_min),
                            degrees(c.lat_max), degrees(c.lng_max)));
    if (e.top_line_optional && lines.size() + 1 == e.lines.size()) {
      e.lines.erase(e.lines.begin() +
                    static_cast<std::ptrdiff_t>(e.latitude_lines - 1));
    }
    EXPECT_TRUE(same_lines(lines, e.lines));
  }
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
