#include "mkdata/algorithm/procedural_land_model.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <stdexcept>

#include "algorithm/blocks_format.h"
#include "algorithm/column_table.h"
#include "core/angles.h"

namespace tessera {
namespace mkdata {

namespace {

using algorithm::kCellColumns;
using algorithm::kCellRows;
using algorithm::kCellsPerDegree;

// An ellipse on the map: its centre, and its half extents in degrees along
// a great circle (east-west) and along the meridian.
struct Blob {
  double lng;
  double lat;
  double half_width;
  double half_height;
  std::int32_t region;
};

constexpr Blob kBlobs[] = {
    {-100, 48, 24, 14, 0}, {-85, 35, 10, 9, 0},   {-118, 62, 18, 9, 0},
    {-98, 22, 7, 8, 0},    {-150, 64, 9, 5, 0},   {-42, 72, 11, 9, 0},
    {-60, -12, 17, 16, 1}, {-66, -36, 8, 14, 1},  {-72, 5, 8, 7, 1},
    {-45, -8, 7, 8, 1},    {12, 50, 14, 8, 2},    {32, 60, 18, 8, 2},
    {-3, 42, 5, 4, 2},     {20, 65, 8, 5, 2},     {18, 8, 20, 15, 3},
    {26, -18, 12, 13, 3},  {2, 22, 16, 8, 3},     {40, 8, 6, 6, 3},
    {47, -19, 2.5, 6, 3},  {95, 52, 40, 12, 4},   {78, 24, 11, 10, 4},
    {110, 32, 14, 10, 4},  {104, 14, 6, 7, 4},    {138, 37, 3, 7, 4},
    {120, 66, 24, 7, 4},   {50, 30, 12, 9, 4},    {134, -25, 17, 10, 5},
    {146, -38, 4, 3, 5},   {172, -42, 2.5, 6, 5}, {115, -3, 8, 4, 5},
    {140, -5, 7, 4, 5},
};
constexpr std::size_t kBlobCount = sizeof(kBlobs) / sizeof(kBlobs[0]);

// A city: its attraction `weight` halves at `radius` degrees.
struct City {
  double lng;
  double lat;
  double weight;
  double radius;
  std::int32_t region;
};

constexpr City kCities[] = {
    {-74, 40.7, 1.0, 3, 0},      {-118, 34, 0.8, 3, 0},
    {-87, 42, 0.6, 2.5, 0},      {-99, 19.4, 0.9, 3, 0},
    {-46.6, -23.5, 1.0, 3, 1},   {-58.4, -34.6, 0.7, 2.5, 1},
    {-74, 4.7, 0.5, 2, 1},       {2.35, 48.85, 1.0, 3, 2},
    {-0.1, 51.5, 0.9, 2.5, 2},   {13.4, 52.5, 0.7, 2.5, 2},
    {37.6, 55.75, 0.8, 3, 2},    {31.2, 30, 0.9, 3, 3},
    {3.4, 6.5, 0.8, 2.5, 3},     {28, -26.2, 0.6, 2.5, 3},
    {36.8, -1.3, 0.5, 2, 3},     {139.7, 35.7, 1.0, 3, 4},
    {116.4, 39.9, 0.9, 3, 4},    {121.5, 31.2, 0.9, 2.5, 4},
    {77.2, 28.6, 0.9, 3, 4},     {72.9, 19.1, 0.8, 2.5, 4},
    {151.2, -33.9, 1.0, 2.5, 5}, {145, -37.8, 0.8, 2.5, 5},
    {106.8, -6.2, 0.9, 2.5, 5},  {166.7, -77.8, 0.05, 3, 6},
};

// Land is never drawn in the two rows at each pole.
constexpr std::int32_t kFirstLandRow = 2;
constexpr std::int32_t kEndLandRow = kCellRows - 2;
// The ice cap's northern edge wavers between these rows.
constexpr std::int32_t kIceFullRows = 503;
constexpr std::int32_t kIceEndRow = 578;
// Cells south of this row belong to the ice cap's region.
constexpr std::int32_t kPolarRegionEndRow = 700;

double latitude_of_row(std::int32_t y) {
  return (y + 0.5) / kCellsPerDegree - 90.0;
}

double longitude_of_cell(std::int32_t x) {
  return (x + 0.5) / kCellsPerDegree - 180.0;
}

// The longitude difference a - b brought into [-180, 180), for a and b in
// [-180, 180].
double longitude_difference(double a, double b) {
  double d = a - b;
  if (d >= 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

bool under_ice(std::int32_t x, std::int32_t y) {
  const double theta = 2 * core::kPi * (x + 0.5) / kCellColumns;
  const double edge =
      540 + 25 * std::sin(3 * theta) + 12 * std::sin(7 * theta + 1.3);
  return y < edge;
}

// The blob's meridian offset of row latitude `lat`, in half heights.
double blob_offset(const Blob& blob, double lat, double scale) {
  return (lat - blob.lat) / (blob.half_height * scale);
}

// Appends the cells whose centres lie between longitudes `west` and `east`.
void append_longitudes(double west, double east, std::vector<CellRun>* runs) {
  if (east - west >= 360.0) {
    runs->push_back(CellRun{0, kCellColumns});
    return;
  }
  std::int32_t begin = static_cast<std::int32_t>(
      std::ceil((west + 180.0) * kCellsPerDegree - 0.5));
  std::int32_t end = static_cast<std::int32_t>(
                         std::floor((east + 180.0) * kCellsPerDegree - 0.5)) +
                     1;
  if (end <= begin) return;
  const std::int32_t shift =
      static_cast<std::int32_t>(std::floor(begin / double{kCellColumns})) *
      kCellColumns;
  begin -= shift;
  end -= shift;
  if (end <= kCellColumns) {
    runs->push_back(CellRun{begin, end});
  } else {
    runs->push_back(CellRun{begin, kCellColumns});
    runs->push_back(CellRun{0, std::min(end - kCellColumns, begin)});
  }
}

}  // namespace

ProceduralLandModel::ProceduralLandModel(double land_fraction)
    : row_blobs_(kCellRows), ice_runs_(kIceEndRow - kIceFullRows) {
  if (!(land_fraction >= 0.05 && land_fraction <= 0.6)) {
    throw std::invalid_argument("land fraction outside 0.05..0.6");
  }
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    cos_latitude_[y] = std::cos(core::radians(latitude_of_row(y)));
  }
  for (std::int32_t y = kIceFullRows; y < kIceEndRow; ++y) {
    std::vector<CellRun>& runs = ice_runs_[y - kIceFullRows];
    for (std::int32_t x = 0; x < kCellColumns; ++x) {
      if (!under_ice(x, y)) continue;
      if (!runs.empty() && runs.back().x_end == x) {
        ++runs.back().x_end;
      } else {
        runs.push_back(CellRun{x, x + 1});
      }
    }
  }
  // The land grows with the scale of the blobs: bisect for the target.
  const double target =
      land_fraction * static_cast<double>(algorithm::kColumnsInGrid);
  double low = 0.2;
  double high = 4.0;
  for (int i = 0; i < 30; ++i) {
    const double middle = (low + high) / 2;
    if (static_cast<double>(land_columns_at_scale(middle)) < target) {
      low = middle;
    } else {
      high = middle;
    }
  }
  scale_ = (low + high) / 2;
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    const double lat = latitude_of_row(y);
    for (std::size_t b = 0; b < kBlobCount; ++b) {
      if (std::fabs(blob_offset(kBlobs[b], lat, scale_)) < 1.0) {
        row_blobs_[y].push_back(static_cast<std::uint8_t>(b));
      }
    }
  }
}

std::vector<CellRun> ProceduralLandModel::runs_at_scale(std::int32_t y,
                                                        double scale) const {
  std::vector<CellRun> runs;
  if (y < kFirstLandRow || y >= kEndLandRow) return runs;
  if (y < kIceFullRows) {
    runs.push_back(CellRun{0, kCellColumns});
    return runs;
  }
  if (y < kIceEndRow) runs = ice_runs_[y - kIceFullRows];
  const double lat = latitude_of_row(y);
  const double cos_lat = std::max(cos_latitude_[y], 0.02);
  for (std::size_t b = 0; b < kBlobCount; ++b) {
    const Blob& blob = kBlobs[b];
    const double u = blob_offset(blob, lat, scale);
    if (std::fabs(u) >= 1.0) continue;
    // Wavy coasts: the east and west edges swing with latitude, each blob
    // with its own phase.
    const double phase = 1.7 * static_cast<double>(b);
    const double east_factor = 1 + 0.18 * std::sin(lat * 0.35 + phase) +
                               0.08 * std::sin(lat * 1.1 + 2.3 * phase);
    const double west_factor = 1 + 0.18 * std::cos(lat * 0.29 + 1.7 * phase) +
                               0.08 * std::sin(lat * 0.9 + phase);
    const double half_width =
        blob.half_width * scale * std::sqrt(1 - u * u) / cos_lat;
    append_longitudes(blob.lng - half_width * west_factor,
                      blob.lng + half_width * east_factor, &runs);
  }
  return runs;
}

std::vector<CellRun> ProceduralLandModel::land_runs(std::int32_t y) const {
  if (y < 0 || y >= kCellRows) return {};
  return runs_at_scale(y, scale_);
}

std::int64_t ProceduralLandModel::land_columns_at_scale(double scale) const {
  std::int64_t total = 0;
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    std::vector<CellRun> runs = runs_at_scale(y, scale);
    std::sort(runs.begin(), runs.end(), [](const CellRun& a, const CellRun& b) {
      return a.x_begin < b.x_begin;
    });
    // Cells covered by the union of the runs.
    std::int64_t cells = 0;
    std::int32_t covered_to = 0;
    for (const CellRun& run : runs) {
      const std::int32_t from = std::max(run.x_begin, covered_to);
      if (run.x_end > from) {
        cells += run.x_end - from;
        covered_to = run.x_end;
      }
    }
    total += cells * algorithm::columns_in_cell_row[y];
  }
  return total;
}

std::int64_t ProceduralLandModel::land_columns() const {
  return land_columns_at_scale(scale_);
}

std::int32_t ProceduralLandModel::region(std::int32_t x, std::int32_t y) const {
  if (y < kPolarRegionEndRow) return kSouthPolarRegion;
  const double lat = latitude_of_row(y);
  const double lng = longitude_of_cell(x);
  const double cos_lat = cos_latitude_[y];
  // The blob whose outline the cell is deepest inside (or nearest to).
  auto distance = [&](std::size_t b) {
    const Blob& blob = kBlobs[b];
    const double dx = longitude_difference(lng, blob.lng) * cos_lat /
                      (blob.half_width * scale_);
    const double dy = blob_offset(blob, lat, scale_);
    return dx * dx + dy * dy;
  };
  double best = 0;
  std::int32_t best_region = -1;
  auto consider = [&](std::size_t b) {
    const double d = distance(b);
    if (best_region < 0 || d < best) {
      best = d;
      best_region = kBlobs[b].region;
    }
  };
  for (std::uint8_t b : row_blobs_[y]) consider(b);
  if (best_region < 0) {
    for (std::size_t b = 0; b < kBlobCount; ++b) consider(b);
  }
  return best_region;
}

double ProceduralLandModel::score(std::int32_t x, std::int32_t y) const {
  const std::int32_t r = region(x, y);
  const double lat = latitude_of_row(y);
  const double lng = longitude_of_cell(x);
  const double cos_lat = cos_latitude_[y];
  // The pull of the region's strongest city, so that no crowd of cities
  // outranks every other region.
  double best = 0.0;
  for (const City& city : kCities) {
    if (city.region != r) continue;
    const double dx = longitude_difference(lng, city.lng) * cos_lat;
    const double dy = lat - city.lat;
    const double distance_squared = dx * dx + dy * dy;
    best = std::max(best, city.weight / (1 + distance_squared /
                                                 (city.radius * city.radius)));
  }
  return 0.001 + best;
}

}  // namespace mkdata
}  // namespace tessera
