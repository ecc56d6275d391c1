#include "algorithm/grid_square.h"

#include <cmath>

#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "algorithm/rounding.h"

namespace tessera {
namespace algorithm {
namespace {

// The highest latitude used for finding a square: the north pole itself would
// fall in a cell row beyond the grid.
constexpr double kTopLatitude = 89.999999999;

// floor(value) as an index in [0, last]. Positions are brought into the grid
// before this, so the clamp only keeps NaN and far-off values defined.
std::int32_t floor_index(double value, std::int32_t last) {
  const double floored = std::floor(value);
  if (!(floored > 0.0)) return 0;
  if (floored >= last) return last;
  return static_cast<std::int32_t>(floored);
}

}  // namespace

GridSquare square_containing_coords(const Coordinates& position) noexcept {
  double lat = round_6_decimals(position.lat);
  if (!(lat > -90.0)) {  // also NaN
    lat = -90.0;
  } else if (lat >= kTopLatitude) {
    lat = kTopLatitude;
  }

  double lng = std::fmod(round_6_decimals(position.lng), 360.0);
  if (lng >= 180.0) {
    lng -= 360.0;
  } else if (lng < -180.0) {
    lng += 360.0;
  }
  if (std::isnan(lng)) lng = -180.0;  // from a NaN or infinite longitude

  double x = (lng + 180.0) * kCellsPerDegree;
  // Only a longitude a hair west of -180, wrapped to a hair west of 180, can
  // round up to the eastern edge of the grid: it belongs to cell column 0.
  if (x >= kCellColumns) x = 0.0;
  const double y = (lat + 90.0) * kCellsPerDegree;
  const double fx = x - std::floor(x);
  const double fy = y - std::floor(y);

  GridSquare square;
  square.cell_x = floor_index(x, kCellColumns - 1);
  square.cell_y = floor_index(y, kCellRows - 1);
  square.cols = columns_in_cell_row[square.cell_y];
  square.col =
      floor_index(round_10_decimals(fx) * square.cols, square.cols - 1);
  square.row =
      floor_index(round_10_decimals(fy) * kRowsPerCell, kRowsPerCell - 1);
  return square;
}

BoundingBox square_bounds(const GridSquare& square) {
  const double cell_y = square.cell_y;
  const double cell_x = square.cell_x;
  const double cols = square.cols;
  const auto lat_at = [&](double row) {
    return round_6_decimals_fused(
        (row / kRowsPerCell + cell_y) / kCellsPerDegree - 90.0);
  };
  const auto lng_at = [&](double col) {
    return round_6_decimals((col / cols + cell_x) / kCellsPerDegree - 180.0);
  };
  return BoundingBox(
      Coordinates(lat_at(square.row), lng_at(square.col)),
      Coordinates(lat_at(square.row + 1.0), lng_at(square.col + 1.0)));
}

Coordinates square_centre(const GridSquare& square) {
  const double lat =
      ((square.row + 0.5) / kRowsPerCell + square.cell_y) / kCellsPerDegree -
      90.0;
  const double lng =
      ((square.col + 0.5) / square.cols + square.cell_x) / kCellsPerDegree -
      180.0;
  return Coordinates(round_6_decimals(lat), round_6_decimals(lng));
}

}  // namespace algorithm
}  // namespace tessera
