#include "testing/position_sample.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "algorithm/blocks_format.h"
#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "algorithm/read_attr_data.h"
#include "algorithm/shared_attr_data.h"
#include "data/file_bytes.h"
#include "data/file_system.h"

namespace tessera {
namespace test {
namespace {

// A strip of land cells, placed on a line that lays all strips end to end,
// one unit per grid column, so that a uniform point on the line is a uniform
// square of the land.
struct LandRun {
  std::int64_t first_column;
  std::int32_t x;
  std::int32_t y;
};

}  // namespace

double unit_interval(std::mt19937_64& random) {
  return static_cast<double>(random() >> 11) * 0x1.0p-53;
}

void add_globe_positions(std::mt19937_64& random, std::size_t count,
                         std::vector<Coordinates>* positions) {
  for (std::size_t i = 0; i < count; ++i) {
    const double lat = 180.0 * unit_interval(random) - 90.0;
    const double lng = 360.0 * unit_interval(random) - 180.0;
    positions->emplace_back(lat, lng);
  }
}

void add_land_positions(const std::string& data_dir, std::mt19937_64& random,
                        std::size_t count,
                        std::vector<Coordinates>* positions) {
  std::vector<LandRun> runs;
  std::int64_t total = 0;
  const auto shared = algorithm::read_shared_attr_data(data::read_file_bytes(
      data::FileSystem(data_dir), algorithm::kBlocksFileName,
      algorithm::kBlocksFileSize));
  const std::vector<algorithm::Block>& blocks = shared->blocks();
  for (std::size_t b = 0; b + 1 < blocks.size(); ++b) {
    const std::vector<algorithm::Strip>& strips = blocks[b].strips;
    for (std::size_t i = 0; i < strips.size(); ++i) {
      const std::int64_t end =
          i + 1 < strips.size() ? strips[i + 1].start() : blocks[b].total;
      if (end <= strips[i].start()) continue;
      runs.push_back(LandRun{total, strips[i].x(), strips[i].y()});
      total += end - strips[i].start();
    }
  }
  for (std::size_t i = 0; i < count && total > 0; ++i) {
    const auto column =
        static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(total));
    // The last run that starts at or before `column`; runs start at strictly
    // increasing columns, since empty strips were left out.
    const LandRun& run = *std::prev(std::upper_bound(
        runs.begin(), runs.end(), column,
        [](std::int64_t c, const LandRun& r) { return c < r.first_column; }));
    const std::int64_t per_cell = algorithm::columns_in_cell_row[run.y];
    const std::int64_t offset = column - run.first_column;
    const double lng_cells =
        static_cast<double>(run.x + offset / per_cell) +
        (static_cast<double>(offset % per_cell) + unit_interval(random)) /
            static_cast<double>(per_cell);
    const double lat_cells = run.y + unit_interval(random);
    positions->emplace_back(lat_cells / algorithm::kCellsPerDegree - 90.0,
                            lng_cells / algorithm::kCellsPerDegree - 180.0);
  }
}

}  // namespace test
}  // namespace tessera
