#include "algorithm/attr_data.h"

#include <algorithm>
#include <string>
#include <utility>

#include "algorithm/blocks_format.h"
#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "tessera/error.h"

namespace tessera {
namespace algorithm {

AttrData::AttrData(std::shared_ptr<const SharedAttrData> shared,
                   std::vector<int>&& block_order)
    : shared_(std::move(shared)), block_order_(std::move(block_order)) {
  if (shared_ == nullptr) {
    throw InvalidArgumentError("Attractiveness data needs its shared blocks.");
  }
  const int blocks = static_cast<int>(shared_->blocks().size());
  for (int block : block_order_) {
    if (block < 0 || block >= blocks) {
      throw InvalidArgumentError("Block order names block " +
                                 std::to_string(block) + ", which does not " +
                                 "exist.");
    }
  }
}

std::int64_t AttrData::start_attr_of_cell_at(int x, int y) const noexcept {
  if (x < 0 || x >= kCellColumns || y < 0 || y >= kCellRows) return -1;
  const std::vector<StripIndexEntry>& index = shared_->strip_index();
  // Above every entry of cell (x, y) whatever its block and strip numbers,
  // and below every entry of a later cell.
  const std::int64_t key =
      pack_index_entry(y, x, 0, 0) | ((std::int64_t{1} << kIndexXShift) - 1);
  auto after = std::upper_bound(
      index.begin(), index.end(), key,
      [](std::int64_t k, StripIndexEntry e) { return k < e.value; });
  if (after == index.begin()) return -1;
  const StripIndexEntry entry = *(after - 1);
  if (entry.y() != y) return -1;

  const std::vector<Block>& blocks = shared_->blocks();
  const int b = entry.block();
  std::int64_t before = 0;
  for (int block : block_order_) {
    if (block == b) break;
    before += blocks[block].total;
  }
  const std::int64_t start = blocks[b].strips[entry.strip()].start();
  // At most 1545 columns times 8639 cells: a 32-bit product.
  const std::int32_t offset = columns_in_cell_row[y] * (x - entry.x());
  return kRowsPerCell * (before + start + offset);
}

Optional<AttrCell> AttrData::cell_containing_attr(long long n) const noexcept {
  if (n < 0 || n > kSquaresInGrid - 1 || block_order_.empty()) return {};
  const std::vector<Block>& blocks = shared_->blocks();
  const std::int64_t c = static_cast<std::int64_t>(n) / kRowsPerCell;
  std::int64_t rem = c;
  std::size_t i = 0;
  while (i + 1 < block_order_.size() && rem >= blocks[block_order_[i]].total) {
    rem -= blocks[block_order_[i]].total;
    ++i;
  }
  const Block& block = blocks[block_order_[i]];
  // Only past the last block of the order: beyond the data.
  if (rem >= block.total) return {};
  const std::int64_t before = c - rem;

  // The strip with the greatest start not above rem. Every block that has
  // columns has a strip starting at or below rem, by SharedAttrData's
  // checks.
  const std::int64_t key = pack_strip(rem, kCellColumns - 1, kCellRows - 1);
  auto after =
      std::upper_bound(block.strips.begin(), block.strips.end(), key,
                       [](std::int64_t k, Strip s) { return k < s.value; });
  if (after == block.strips.begin()) return {};
  const Strip strip = *(after - 1);
  const std::int32_t columns = columns_in_cell_row[strip.y()];
  const std::int64_t k = (rem - strip.start()) / columns;
  return AttrCell{static_cast<std::int32_t>(strip.x() + k), strip.y(),
                  kRowsPerCell * (before + strip.start() + k * columns)};
}

}  // namespace algorithm
}  // namespace tessera
