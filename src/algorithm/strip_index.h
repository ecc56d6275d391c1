// The index that finds the strip of a cell: one entry per strip of all
// blocks, sorted by the strip's first cell.
#ifndef TESSERA_ALGORITHM_STRIP_INDEX_H_
#define TESSERA_ALGORITHM_STRIP_INDEX_H_

#include <cstdint>
#include <vector>

#include "algorithm/block.h"
#include "algorithm/blocks_format.h"

namespace tessera {
namespace algorithm {

// A strip located by its first cell, packed as algorithm/blocks_format.h
// describes: ordering the values orders entries by (y, x, block, strip).
struct StripIndexEntry {
  std::int64_t value;

  // Requires the bounds of pack_index_entry.
  static constexpr StripIndexEntry make(std::int32_t y, std::int32_t x,
                                        std::int32_t block,
                                        std::int64_t strip) noexcept {
    return StripIndexEntry{pack_index_entry(y, x, block, strip)};
  }
  constexpr std::int32_t y() const noexcept { return index_entry_y(value); }
  constexpr std::int32_t x() const noexcept { return index_entry_x(value); }
  constexpr std::int32_t block() const noexcept {
    return index_entry_block(value);
  }
  // The strip's position inside its block.
  constexpr std::int32_t strip() const noexcept {
    return index_entry_strip(value);
  }
};

// One entry for every strip s of every block b, sorted ascending. The vector
// is reserved at its exact size.
//
// Requires: at most kMaxBlocks blocks, at most kMaxStripsPerBlock strips
// in each, every strip's x and y inside the grid (SharedAttrData checks
// this before indexing).
std::vector<StripIndexEntry> index_strips(const std::vector<Block>& blocks);

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_STRIP_INDEX_H_
