// The attractiveness data shared by every language: the blocks of strips and
// the index that finds the strip of a cell.
#ifndef TESSERA_ALGORITHM_SHARED_ATTR_DATA_H_
#define TESSERA_ALGORITHM_SHARED_ATTR_DATA_H_

#include <cstdint>
#include <vector>

#include "algorithm/block.h"
#include "algorithm/strip_index.h"

namespace tessera {
namespace algorithm {

// Immutable once built; safe to read from any number of threads.
class SharedAttrData {
 public:
  // Takes `blocks` (block number = position) and indexes their strips.
  //
  // Throws InvalidArgumentError unless the blocks are well formed, which is
  // what keeps every lookup inside the data and its sums from overflowing:
  // at most kMaxBlocks blocks, each with at most kMaxStripsPerBlock strips
  // and a total of at most the grid's columns; in every block the strips'
  // start values are non-negative, strictly increase and stay below the
  // block's total; every strip lies inside one cell row of the grid (its
  // cells, as many as its columns fill, end at or before column 8639).
  explicit SharedAttrData(std::vector<Block>&& blocks);

  const std::vector<Block>& blocks() const noexcept { return blocks_; }
  // One entry per strip, sorted ascending.
  const std::vector<StripIndexEntry>& strip_index() const noexcept {
    return strip_index_;
  }
  // The entries of cell row y are [row_begin(y), row_begin(y + 1)).
  // Requires: 0 <= y <= 4320.
  const StripIndexEntry* row_begin(int y) const noexcept {
    return strip_index_.data() + row_first_[static_cast<std::size_t>(y)];
  }

 private:
  std::vector<Block> blocks_;
  std::vector<StripIndexEntry> strip_index_;
  // For each cell row y, and for y = 4320, the position in strip_index_ of
  // the first entry of a row at or above y: 17 KB that keep a lookup to the
  // few entries of one row.
  std::vector<std::uint32_t> row_first_;
};

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_SHARED_ATTR_DATA_H_
