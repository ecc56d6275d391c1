// The attractiveness blocks as the data builder holds them before writing:
// for each block, its strips in file order.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCKS_PLAN_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCKS_PLAN_H_

#include <cstdint>
#include <vector>

#include "algorithm/column_table.h"

namespace tessera {
namespace mkdata {

// `count` consecutive cells of cell row `y`, starting at cell column `x`.
struct PlannedStrip {
  std::int16_t x;
  std::int16_t y;
  std::int16_t count;

  // count * columns_in_cell_row[y]. Requires: 0 <= y < 4320.
  std::int64_t columns() const {
    return std::int64_t{count} * algorithm::columns_in_cell_row[y];
  }

  friend bool operator==(const PlannedStrip& a, const PlannedStrip& b) {
    return a.x == b.x && a.y == b.y && a.count == b.count;
  }
};

struct PlannedBlock {
  std::vector<PlannedStrip> strips;
  // The region the block was drawn from (that of its first land strip), or
  // -1 for blocks that hold no ranked land.
  std::int32_t region = -1;

  // The sum of the strips' columns.
  std::int64_t total() const {
    std::int64_t sum = 0;
    for (const PlannedStrip& strip : strips) sum += strip.columns();
    return sum;
  }
};

// Block number = position.
struct BlocksPlan {
  std::vector<PlannedBlock> blocks;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCKS_PLAN_H_
