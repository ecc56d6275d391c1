// One block of the attractiveness data: a list of strips of consecutive
// cells, each located by its first cell and by its first column counted from
// the start of the block.
#ifndef TESSERA_ALGORITHM_BLOCK_H_
#define TESSERA_ALGORITHM_BLOCK_H_

#include <cstdint>
#include <vector>

#include "algorithm/blocks_format.h"

namespace tessera {
namespace algorithm {

// A strip packed as algorithm/blocks_format.h describes. Its cell count is
// not stored: a strip ends where the next strip of its block starts (the
// last one where the block ends).
struct Strip {
  std::int64_t value;

  // Requires: 0 <= x < 2^14, 0 <= y < 2^13, 0 <= start < 2^36.
  static constexpr Strip make(std::int64_t start, std::int32_t x,
                              std::int32_t y) noexcept {
    return Strip{pack_strip(start, x, y)};
  }
  // The cell row.
  constexpr std::int32_t y() const noexcept { return strip_y(value); }
  // The cell column of the westernmost cell.
  constexpr std::int32_t x() const noexcept { return strip_x(value); }
  // The first column, counted from the start of the block.
  constexpr std::int64_t start() const noexcept { return strip_start(value); }

  friend bool operator==(Strip a, Strip b) noexcept {
    return a.value == b.value;
  }
};

struct Block {
  // In file order; their start values increase.
  std::vector<Strip> strips;
  // Columns in the block: the sum over its strips of
  // count * columns_in_cell_row[y].
  std::int64_t total = 0;
};

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_BLOCK_H_
