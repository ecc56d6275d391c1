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
  // At most 627 blocks of at most the grid's columns each: no overflow.
  const std::vector<Block>& all = shared_->blocks();
  columns_through_.reserve(block_order_.size());
  std::int64_t sum = 0;
  for (int block : block_order_) {
    sum += all[block].total;
    columns_through_.push_back(sum);
  }
  columns_before_.assign(all.size(), sum);
  std::vector<bool> seen(all.size(), false);
  for (std::size_t i = 0; i < block_order_.size(); ++i) {
    const auto block = static_cast<std::size_t>(block_order_[i]);
    if (seen[block]) continue;
    seen[block] = true;
    columns_before_[block] = i == 0 ? 0 : columns_through_[i - 1];
  }
}

std::int64_t AttrData::start_attr_of_cell_at(int x, int y) const noexcept {
  if (x < 0 || x >= kCellColumns || y < 0 || y >= kCellRows) return -1;
  const StripIndexEntry* first = shared_->row_begin(y);
  const StripIndexEntry* last = shared_->row_begin(y + 1);
  // Above every entry of cell (x, y) whatever its block and strip numbers,
  // and below every entry of a later cell.
  const std::int64_t key =
      pack_index_entry(y, x, 0, 0) | ((std::int64_t{1} << kIndexXShift) - 1);
  const StripIndexEntry* after =
      std::upper_bound(first, last, key, [](std::int64_t k, StripIndexEntry e) {
        return k < e.value;
      });
  if (after == first) return -1;
  const StripIndexEntry entry = *(after - 1);

  const int b = entry.block();
  const std::int64_t before = columns_before_[static_cast<std::size_t>(b)];
  const std::int64_t start =
      shared_->blocks()[b].strips[entry.strip()].start();
  // At most 1545 columns times 8639 cells: a 32-bit product.
  const std::int32_t offset = columns_in_cell_row[y] * (x - entry.x());
  return kRowsPerCell * (before + start + offset);
}

Optional<AttrCell> AttrData::cell_containing_attr(long long n) const noexcept {
  if (n < 0 || n > kSquaresInGrid - 1 || block_order_.empty()) return {};
  const std::vector<Block>& blocks = shared_->blocks();
  const std::int64_t c = static_cast<std::int64_t>(n) / kRowsPerCell;
  // The first place in the order whose blocks up to it hold column c; the
  // last place when none does, which the check below turns away.
  const auto i = static_cast<std::size_t>(
      std::upper_bound(columns_through_.begin(), columns_through_.end() - 1,
                       c) -
      columns_through_.begin());
  const std::int64_t before = i == 0 ? 0 : columns_through_[i - 1];
  const std::int64_t rem = c - before;
  const Block& block = blocks[block_order_[i]];
  // Only past the last block of the order: beyond the data.
  if (rem >= block.total) return {};

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
