#include "algorithm/shared_attr_data.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "tessera/error.h"

namespace tessera {
namespace algorithm {

namespace {

[[noreturn]] void malformed(std::size_t block, std::size_t strip,
                            const char* what) {
  throw InvalidArgumentError("Strip " + std::to_string(strip) + " of block " +
                             std::to_string(block) + " " + what + ".");
}

void check_block(const Block& block, std::size_t b) {
  const std::vector<Strip>& strips = block.strips;
  if (block.total < 0 || block.total > kColumnsInGrid) {
    throw InvalidArgumentError("Block " + std::to_string(b) +
                               " holds more columns than the grid.");
  }
  if (static_cast<std::uint64_t>(strips.size()) >
      static_cast<std::uint64_t>(kMaxStripsPerBlock)) {
    throw InvalidArgumentError("Block " + std::to_string(b) +
                               " has more strips than can be indexed.");
  }
  for (std::size_t s = 0; s < strips.size(); ++s) {
    const Strip strip = strips[s];
    if (strip.y() >= kCellRows || strip.x() >= kCellColumns) {
      malformed(b, s, "lies outside the grid");
    }
    const std::int64_t end =
        s + 1 < strips.size() ? strips[s + 1].start() : block.total;
    if (strip.start() < 0 || end <= strip.start()) {
      malformed(b, s, "has no columns");
    }
    // The last cell that a lookup can land on must exist.
    const std::int64_t further_cells =
        (end - strip.start() - 1) / columns_in_cell_row[strip.y()];
    if (further_cells >= kCellColumns - strip.x()) {
      malformed(b, s, "runs past its cell row");
    }
  }
}

}  // namespace

SharedAttrData::SharedAttrData(std::vector<Block>&& blocks)
    : blocks_(std::move(blocks)) {
  if (blocks_.size() > static_cast<std::size_t>(kMaxBlocks)) {
    throw InvalidArgumentError("Too many attractiveness blocks to index.");
  }
  for (std::size_t b = 0; b < blocks_.size(); ++b) check_block(blocks_[b], b);
  strip_index_ = index_strips(blocks_);
  // Fewer than 2^28 strips: positions fit 32 bits.
  row_first_.resize(static_cast<std::size_t>(kCellRows) + 1);
  std::size_t e = 0;
  for (std::int32_t y = 0; y <= kCellRows; ++y) {
    while (e < strip_index_.size() && strip_index_[e].y() < y) ++e;
    row_first_[static_cast<std::size_t>(y)] = static_cast<std::uint32_t>(e);
  }
}

}  // namespace algorithm
}  // namespace tessera
