// A language's attractiveness order of the grid's squares: the shared blocks
// taken in the language's block order. Within a block the strips follow in
// file order, within a strip its cells west to east, within a cell its
// columns west to east, and within a column its 1546 rows south to north.
#ifndef TESSERA_ALGORITHM_ATTR_DATA_H_
#define TESSERA_ALGORITHM_ATTR_DATA_H_

#include <cstdint>
#include <memory>
#include <vector>

#include "algorithm/shared_attr_data.h"
#include "tessera/optional.h"

namespace tessera {
namespace algorithm {

// A cell and the attractiveness ordinal of its first square (column 0,
// row 0).
struct AttrCell {
  std::int32_t x;
  std::int32_t y;
  std::int64_t cell_start;

  friend bool operator==(const AttrCell& a, const AttrCell& b) noexcept {
    return a.x == b.x && a.y == b.y && a.cell_start == b.cell_start;
  }
  friend bool operator!=(const AttrCell& a, const AttrCell& b) noexcept {
    return !(a == b);
  }
};

// Immutable; the lookups are const, allocate nothing and may run on any
// number of threads at once. Movable.
class AttrData {
 public:
  // Throws InvalidArgumentError when `shared` is null or an entry of
  // `block_order` is not a block number of `shared`. Entries may repeat; a
  // block that never occurs is never reached.
  AttrData(std::shared_ptr<const SharedAttrData> shared,
           std::vector<int>&& block_order);

  // The ordinal of the first square of cell (x, y): 1546 times the columns
  // of the blocks before the cell's block in the block order, plus the
  // cell's first column inside its block. The cell's strip is the one of
  // row y that starts nearest at or west of x; the cell is trusted to lie
  // inside it (cells outside every strip never reach here).
  //
  // Returns -1 when (x, y) is outside the grid or no strip of row y starts
  // at or west of x. O(log strips of row y).
  std::int64_t start_attr_of_cell_at(int x, int y) const noexcept;

  // The cell holding the square of ordinal `n`, with the ordinal of the
  // cell's first square. Empty when `n` is negative, above 56,764,364,751,359
  // (the last square of the grid), or beyond the squares of all blocks.
  // O(log blocks + log strips of the block).
  Optional<AttrCell> cell_containing_attr(long long n) const noexcept;

  const std::shared_ptr<const SharedAttrData>& shared() const noexcept {
    return shared_;
  }
  const std::vector<int>& block_order() const noexcept { return block_order_; }

 private:
  std::shared_ptr<const SharedAttrData> shared_;
  std::vector<int> block_order_;
  // By block number: the columns of the blocks before the block's first
  // place in the order (all of them for a block the order never names).
  std::vector<std::int64_t> columns_before_;
  // By place in the order: the columns of the blocks up to and including
  // that place. Never decreases.
  std::vector<std::int64_t> columns_through_;
};

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_ATTR_DATA_H_
