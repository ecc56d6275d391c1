#include "algorithm/grid_section.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "algorithm/rounding.h"
#include "core/distance.h"
#include "tessera/coordinates.h"
#include "tessera/error.h"

namespace tessera {
namespace algorithm {
namespace {

constexpr double kMaxDiagonalMetres = 4000.0;
// 1 / 37104, the latitude between two square rows.
constexpr double kSquareRowStep = 2.6951272100043123e-5;

// The cell row of `lat`. Latitude 90 lies past the last row and is put in it,
// as square_containing_coords does; NaN gives row 0 so the index stays
// defined.
std::int32_t cell_row_of(double lat) {
  const double row = std::floor((lat + 90.0) * kCellsPerDegree);
  if (!(row > 0.0)) return 0;
  if (row >= kCellRows - 1) return kCellRows - 1;
  return static_cast<std::int32_t>(row);
}

GridLine rounded_line(double start_lat, double start_lng, double end_lat,
                      double end_lng) {
  return GridLine{
      Coordinates(round_6_decimals(start_lat), round_6_decimals(start_lng)),
      Coordinates(round_6_decimals(end_lat), round_6_decimals(end_lng))};
}

// Appends the lines of constant longitude of a cell row with `per_degree`
// columns per degree, from lng_min to lng_max, each from `south` to `north`.
void append_longitude_lines(double per_degree, double lng_min, double lng_max,
                            double south, double north,
                            std::vector<GridLine>& lines) {
  const double step = 1.0 / per_degree;
  for (double lng = std::ceil(lng_min * per_degree) / per_degree;
       lng <= lng_max;) {
    lines.push_back(rounded_line(south, lng, north, lng));
    const double next = lng + step;
    // Far beyond +-180 (or at an infinite longitude) the step vanishes in
    // rounding; stop rather than repeat the same line forever.
    if (!(next > lng)) break;
    lng = next;
  }
}

}  // namespace

std::vector<GridLine> grid_section(const BoundingBox& box) {
  const double lat_min = std::min(box.sw.lat, box.ne.lat);
  const double lat_max = std::max(box.sw.lat, box.ne.lat);
  const double lng_min = std::min(box.sw.lng, box.ne.lng);
  const double lng_max = std::max(box.sw.lng, box.ne.lng);

  // Written so that a box whose size cannot be measured (a NaN corner) is
  // too large as well: every comparison with NaN is false.
  if (!(core::distance(box.ne, box.sw) <= kMaxDiagonalMetres) ||
      !(lng_max - lng_min < 180.0)) {
    InvalidArgumentError::raise("Grid section requested too large.");
  }

  std::vector<GridLine> lines;
  // Latitudes stay within +-90, where adding the step always advances.
  for (double lat =
           std::ceil(lat_min * kSquareRowsPerDegree) / kSquareRowsPerDegree;
       lat <= lat_max; lat += kSquareRowStep) {
    lines.push_back(rounded_line(lat, lng_min, lat, lng_max));
  }

  // A box within the size limit is less than a cell row tall, so it meets at
  // most the rows of its two edges.
  const std::int32_t north_row = cell_row_of(lat_max);
  const std::int32_t south_row = cell_row_of(lat_min);
  const double per_degree_north =
      columns_in_cell_row[north_row] * static_cast<double>(kCellsPerDegree);
  if (north_row == south_row) {
    append_longitude_lines(per_degree_north, lng_min, lng_max, lat_min, lat_max,
                           lines);
    return lines;
  }
  const double per_degree_south =
      columns_in_cell_row[south_row] * static_cast<double>(kCellsPerDegree);
  const double boundary_lat =
      north_row / static_cast<double>(kCellsPerDegree) - 90.0;
  append_longitude_lines(per_degree_north, lng_min, lng_max, boundary_lat,
                         lat_max, lines);
  append_longitude_lines(per_degree_south, lng_min, lng_max, lat_min,
                         boundary_lat, lines);
  return lines;
}

}  // namespace algorithm
}  // namespace tessera
