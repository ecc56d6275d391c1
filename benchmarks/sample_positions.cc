#include "sample_positions.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <stdexcept>

#include "algorithm/blocks_format.h"
#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "algorithm/read_attr_data.h"
#include "algorithm/shared_attr_data.h"
#include "core/angles.h"
#include "data/file_bytes.h"
#include "data/file_system.h"

namespace tessera {
namespace bench {
namespace {

// A uniform double in [0, 1) from the top 53 bits of one draw, the same on
// every host (std::uniform_real_distribution is not pinned down that far).
double unit_interval(std::mt19937_64& random) {
  return static_cast<double>(random() >> 11) * 0x1.0p-53;
}

// A strip of land cells, placed on a line that lays all strips end to end,
// one unit per grid column, so that a uniform point on the line is a uniform
// square of the land.
struct LandRun {
  std::int64_t first_column;
  std::int32_t x;
  std::int32_t y;
};

}  // namespace

std::vector<Coordinates> globe_positions(std::size_t count,
                                         std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<Coordinates> positions;
  positions.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    // Uniform in sin(latitude) is uniform in area.
    const double lat_degrees =
        std::asin(2.0 * unit_interval(random) - 1.0) * (180.0 / core::kPi);
    const double lng_degrees = 360.0 * unit_interval(random) - 180.0;
    positions.emplace_back(lat_degrees, lng_degrees);
  }
  return positions;
}

std::vector<Coordinates> land_positions(const std::string& data_dir,
                                        std::size_t count, std::uint64_t seed) {
  std::vector<LandRun> runs;
  std::int64_t total_columns = 0;
  {
    const std::shared_ptr<const algorithm::SharedAttrData> shared =
        algorithm::read_shared_attr_data(data::read_file_bytes(
            data::FileSystem(data_dir), algorithm::kBlocksFileName,
            algorithm::kBlocksFileSize));
    // The last block holds the sea: the reader accepts only data whose
    // last block has the sea's size, about 73% of the grid's columns.
    const std::vector<algorithm::Block>& blocks = shared->blocks();
    for (std::size_t b = 0; b + 1 < blocks.size(); ++b) {
      const algorithm::Block& block = blocks[b];
      const std::vector<algorithm::Strip>& strips = block.strips;
      for (std::size_t i = 0; i < strips.size(); ++i) {
        const std::int64_t end =
            i + 1 < strips.size() ? strips[i + 1].start() : block.total;
        if (end <= strips[i].start()) continue;
        runs.push_back(LandRun{total_columns, strips[i].x(), strips[i].y()});
        total_columns += end - strips[i].start();
      }
    }
  }
  if (runs.empty()) {
    throw std::runtime_error("the attractiveness blocks of " + data_dir +
                             " hold no land");
  }

  std::mt19937_64 random(seed);
  std::vector<Coordinates> positions;
  positions.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    // The bias of the modulo is below total_columns / 2^64, under 2^-30.
    const std::int64_t column = static_cast<std::int64_t>(
        random() % static_cast<std::uint64_t>(total_columns));
    const LandRun& run = *std::prev(std::upper_bound(
        runs.begin(), runs.end(), column,
        [](std::int64_t c, const LandRun& r) { return c < r.first_column; }));
    const std::int64_t columns_per_cell =
        algorithm::columns_in_cell_row[static_cast<std::size_t>(run.y)];
    const std::int64_t offset = column - run.first_column;
    const double cell_x =
        static_cast<double>(run.x + offset / columns_per_cell);
    const double column_in_cell =
        static_cast<double>(offset % columns_per_cell);
    const double lng_cells = cell_x + (column_in_cell + unit_interval(random)) /
                                          static_cast<double>(columns_per_cell);
    const double lat_cells = run.y + unit_interval(random);
    positions.emplace_back(lat_cells / algorithm::kCellsPerDegree - 90.0,
                           lng_cells / algorithm::kCellsPerDegree - 180.0);
  }
  return positions;
}

}  // namespace bench
}  // namespace tessera
