#include "mkdata/world/country_land_model.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <map>
#include <stdexcept>

#include "algorithm/grid_constants.h"
#include "core/angles.h"

namespace tessera {
namespace mkdata {
namespace {

using algorithm::kCellColumns;
using algorithm::kCellRows;
using algorithm::kCellsPerDegree;

constexpr std::uint16_t kSea = 0xFFFF;

// The weight of a place at distance d cells: exp(-d^2 / 2) +
// kBroadWeight * exp(-d^2 / (2 * kBroadSigma^2)), cut off beyond
// kKernelRadius cells each way, where it has fallen below 1% of its peak.
constexpr double kBroadWeight = 0.2;
constexpr double kBroadSigma = 6.0;
constexpr std::int32_t kKernelRadius = 18;
constexpr std::int32_t kKernelSide = 2 * kKernelRadius + 1;
// A land cell's base score: kLandBase at the poles, twice that at the
// equator.
constexpr double kLandBase = 0.01;

std::size_t cell_index(std::int32_t x, std::int32_t y) {
  return static_cast<std::size_t>(y) * kCellColumns +
         static_cast<std::size_t>(x);
}

// Where an edge crosses the centre line of a cell row: x in cells from
// longitude -180, and +1 going north, -1 going south.
struct Crossing {
  std::int32_t y;
  double x;
  std::int32_t direction;

  friend bool operator<(const Crossing& a, const Crossing& b) {
    return a.y != b.y ? a.y < b.y : a.x < b.x;
  }
};

// The first row whose centre latitude is at least `lat`.
std::int32_t first_row_from(double lat) {
  const double row = std::ceil((lat + 90.0) * kCellsPerDegree - 0.5);
  return static_cast<std::int32_t>(
      std::clamp(row, 0.0, static_cast<double>(kCellRows)));
}

// The first cell whose centre lies at or east of `x` (in cells).
std::int32_t first_cell_from(double x) {
  const double cell = std::ceil(x - 0.5);
  return static_cast<std::int32_t>(
      std::clamp(cell, 0.0, static_cast<double>(kCellColumns)));
}

double twice_area(const std::vector<Coordinates>& ring) {
  double sum = 0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const Coordinates& p = ring[i];
    const Coordinates& q = ring[(i + 1) % ring.size()];
    sum += p.lng * q.lat - q.lng * p.lat;
  }
  return sum;
}

// Appends the crossings of the ring's edges with the cell rows' centre
// lines, wound as the writer winds it: the outer ring counter-clockwise,
// holes clockwise. Each edge takes the rows from its lower end (inclusive)
// to its upper end (exclusive), so that a corner on a centre line counts
// once.
void add_crossings(const std::vector<Coordinates>& ring, bool outer,
                   std::vector<Crossing>* crossings) {
  const bool counter_clockwise = twice_area(ring) > 0;
  const std::int32_t sense = counter_clockwise == outer ? 1 : -1;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const Coordinates& p = ring[i];
    const Coordinates& q = ring[(i + 1) % ring.size()];
    if (p.lat == q.lat) continue;
    const std::int32_t direction = q.lat > p.lat ? sense : -sense;
    const std::int32_t begin = first_row_from(std::min(p.lat, q.lat));
    const std::int32_t end = first_row_from(std::max(p.lat, q.lat));
    for (std::int32_t y = begin; y < end; ++y) {
      const double lat = (y + 0.5) / kCellsPerDegree - 90.0;
      const double t = (lat - p.lat) / (q.lat - p.lat);
      const double lng = p.lng + t * (q.lng - p.lng);
      crossings->push_back(
          Crossing{y, (lng + 180.0) * kCellsPerDegree, direction});
    }
  }
}

// Gives `region` to the cells of `outline` that no earlier outline took.
void rasterise(const CountryOutline& outline, std::uint16_t region,
               std::vector<Crossing>* crossings,
               std::vector<std::uint16_t>* owners) {
  crossings->clear();
  for (std::size_t r = 0; r < outline.rings.size(); ++r) {
    add_crossings(outline.rings[r], r == 0, crossings);
  }
  std::sort(crossings->begin(), crossings->end());
  std::int32_t winding = 0;
  for (std::size_t i = 0; i + 1 < crossings->size(); ++i) {
    const Crossing& here = (*crossings)[i];
    const Crossing& next = (*crossings)[i + 1];
    winding += here.direction;
    if (next.y != here.y) {
      winding = 0;
      continue;
    }
    if (winding == 0) continue;
    const std::int32_t end = first_cell_from(next.x);
    for (std::int32_t x = first_cell_from(here.x); x < end; ++x) {
      std::uint16_t& owner = (*owners)[cell_index(x, here.y)];
      if (owner == kSea) owner = region;
    }
  }
}

// Sea cells of a row with land take the region of the nearest land cell.
void spread_in_row(std::uint16_t* row) {
  std::vector<std::int32_t> west(kCellColumns, -1);
  std::int32_t last = -1;
  for (std::int32_t x = 0; x < kCellColumns; ++x) {
    if (row[x] != kSea) last = x;
    west[x] = last;
  }
  std::int32_t next = -1;
  for (std::int32_t x = kCellColumns - 1; x >= 0; --x) {
    if (row[x] != kSea) {
      next = x;
      continue;
    }
    const std::int32_t w = west[x];
    if (w >= 0 && (next < 0 || x - w <= next - x)) {
      row[x] = row[w];
    } else {
      row[x] = row[next];
    }
  }
}

// The distinct codes of the outlines, sorted; checked before the grids are
// allocated.
std::vector<std::string> distinct_codes(const CountrySet& countries) {
  if (countries.outlines.empty()) {
    throw std::invalid_argument("a land model needs at least one outline");
  }
  std::vector<std::string> codes;
  for (const CountryOutline& outline : countries.outlines) {
    codes.push_back(outline.code);
  }
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  if (codes.size() >= kSea) {
    throw std::invalid_argument("a land model takes at most 65,535 codes");
  }
  return codes;
}

}  // namespace

CountryLandModel::CountryLandModel(const CountrySet& countries,
                                   const std::vector<Coordinates>& places)
    : codes_(distinct_codes(countries)),
      runs_(kCellRows),
      regions_(static_cast<std::size_t>(kCellColumns) * kCellRows, kSea),
      scores_(static_cast<std::size_t>(kCellColumns) * kCellRows, 0.0f) {
  std::vector<Crossing> crossings;
  for (const CountryOutline& outline : countries.outlines) {
    const auto code =
        std::lower_bound(codes_.begin(), codes_.end(), outline.code);
    rasterise(outline, static_cast<std::uint16_t>(code - codes_.begin()),
              &crossings, &regions_);
  }

  std::vector<std::int32_t> land_rows;
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    const std::uint16_t* row = &regions_[cell_index(0, y)];
    for (std::int32_t x = 0; x < kCellColumns; ++x) {
      if (row[x] == kSea) continue;
      if (!runs_[y].empty() && runs_[y].back().x_end == x) {
        ++runs_[y].back().x_end;
      } else {
        runs_[y].push_back(CellRun{x, x + 1});
      }
      ++land_cells_;
    }
    if (!runs_[y].empty()) land_rows.push_back(y);
  }

  // Land base scores.
  for (const std::int32_t y : land_rows) {
    const double lat = (y + 0.5) / kCellsPerDegree - 90.0;
    const float base =
        static_cast<float>(kLandBase * (1.0 + std::cos(core::radians(lat))));
    for (const CellRun& run : runs_[y]) {
      for (std::int32_t x = run.x_begin; x < run.x_end; ++x) {
        scores_[cell_index(x, y)] = base;
      }
    }
  }

  for (const std::int32_t y : land_rows) {
    spread_in_row(&regions_[cell_index(0, y)]);
  }
  std::size_t nearest = 0;
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    if (!runs_[y].empty()) continue;
    std::uint16_t* row = &regions_[cell_index(0, y)];
    if (land_rows.empty()) {
      std::fill(row, row + kCellColumns, std::uint16_t{0});
      continue;
    }
    while (nearest + 1 < land_rows.size() &&
           land_rows[nearest + 1] - y < y - land_rows[nearest]) {
      ++nearest;
    }
    const std::uint16_t* source = &regions_[cell_index(0, land_rows[nearest])];
    std::copy(source, source + kCellColumns, row);
  }

  // Places counted per cell, then spread with the kernel. Going through
  // the cells in order makes the sums independent of the order of places.
  std::map<std::size_t, std::int32_t> counts;
  for (const Coordinates& place : places) {
    if (!std::isfinite(place.lat) || !std::isfinite(place.lng)) continue;
    const double column = std::floor((place.lng + 180.0) * kCellsPerDegree);
    const double wrapped =
        column - std::floor(column / kCellColumns) * kCellColumns;
    const double row =
        std::clamp(std::floor((place.lat + 90.0) * kCellsPerDegree), 0.0,
                   static_cast<double>(kCellRows - 1));
    const std::int32_t x =
        std::min(static_cast<std::int32_t>(wrapped), kCellColumns - 1);
    ++counts[cell_index(x, static_cast<std::int32_t>(row))];
  }
  std::vector<float> kernel(kKernelSide * kKernelSide);
  for (std::int32_t dy = -kKernelRadius; dy <= kKernelRadius; ++dy) {
    for (std::int32_t dx = -kKernelRadius; dx <= kKernelRadius; ++dx) {
      const double d2 = dx * dx + dy * dy;
      kernel[(dy + kKernelRadius) * kKernelSide + dx + kKernelRadius] =
          static_cast<float>(
              std::exp(-d2 / 2) +
              kBroadWeight * std::exp(-d2 / (2 * kBroadSigma * kBroadSigma)));
    }
  }
  for (const auto& [cell, count] : counts) {
    const std::int32_t cx = static_cast<std::int32_t>(cell % kCellColumns);
    const std::int32_t cy = static_cast<std::int32_t>(cell / kCellColumns);
    for (std::int32_t dy = -kKernelRadius; dy <= kKernelRadius; ++dy) {
      const std::int32_t y = cy + dy;
      if (y < 0 || y >= kCellRows) continue;
      const float* weights = &kernel[(dy + kKernelRadius) * kKernelSide];
      float* row = &scores_[cell_index(0, y)];
      for (std::int32_t dx = -kKernelRadius; dx <= kKernelRadius; ++dx) {
        std::int32_t x = cx + dx;
        if (x < 0) x += kCellColumns;
        if (x >= kCellColumns) x -= kCellColumns;
        row[x] += static_cast<float>(count) * weights[dx + kKernelRadius];
      }
    }
  }
}

std::vector<CellRun> CountryLandModel::land_runs(std::int32_t y) const {
  if (y < 0 || y >= kCellRows) return {};
  return runs_[static_cast<std::size_t>(y)];
}

double CountryLandModel::score(std::int32_t x, std::int32_t y) const {
  if (x < 0 || x >= kCellColumns || y < 0 || y >= kCellRows) return 0.0;
  return scores_[cell_index(x, y)];
}

std::int32_t CountryLandModel::region(std::int32_t x, std::int32_t y) const {
  if (x < 0 || x >= kCellColumns || y < 0 || y >= kCellRows) return 0;
  return regions_[cell_index(x, y)];
}

std::vector<std::int32_t> CountryLandModel::regions_of(
    const std::vector<std::string>& codes) const {
  std::vector<std::int32_t> regions;
  for (const std::string& code : codes) {
    const auto it = std::lower_bound(codes_.begin(), codes_.end(), code);
    if (it != codes_.end() && *it == code) {
      regions.push_back(static_cast<std::int32_t>(it - codes_.begin()));
    }
  }
  return regions;
}

}  // namespace mkdata
}  // namespace tessera
