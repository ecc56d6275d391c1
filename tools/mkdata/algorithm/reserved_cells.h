// The cells whose block the engine's check values fix, whatever the land.
//
// The first strip-index entry says that row 0 is one strip of the sea block,
// at a fixed position in it; the second says that cell (1, 0) starts the last
// strip of the polar block, whose strip number gives the polar block's strip
// count. The planner fills the polar block with single-cell strips over whole
// rows from row 1 on, then the first cells of one more row, so that the count
// comes out. Rows 4318 and 4319 have one column per cell: the planner takes
// cells from them wherever it needs an exact number of columns ("flex"), and
// leaves the rest to the sea.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_RESERVED_CELLS_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_RESERVED_CELLS_H_

#include <cstdint>

#include "algorithm/blocks_format.h"
#include "algorithm/grid_constants.h"

namespace tessera {
namespace mkdata {

inline constexpr int kSeaBlock =
    algorithm::index_entry_block(algorithm::kFirstStripIndexEntry);
inline constexpr int kSeaRowPosition =
    algorithm::index_entry_strip(algorithm::kFirstStripIndexEntry);
inline constexpr int kPolarBlock =
    algorithm::index_entry_block(algorithm::kSecondStripIndexEntry);
inline constexpr int kPolarStripCount =
    algorithm::index_entry_strip(algorithm::kSecondStripIndexEntry) + 1;
// The block that takes the land left over once the ranked blocks are full.
inline constexpr int kRemainderBlock = 625;

inline constexpr int kSeaRow = 0;
inline constexpr int kPolarFirstRow = 1;
// The row of which only the first kPolarPartialCells cells are polar.
inline constexpr int kPolarPartialRow =
    kPolarFirstRow + kPolarStripCount / algorithm::kCellColumns;
inline constexpr int kPolarPartialCells =
    kPolarStripCount % algorithm::kCellColumns;
inline constexpr int kFlexRow = algorithm::kCellRows - 2;

static_assert(kSeaBlock == 626 && kPolarBlock == 624 &&
                  kSeaRowPosition == 44290,
              "the check values place row 0 and cell (1, 0)");
static_assert(kPolarPartialRow == 23 && kPolarPartialCells == 1666,
              "the polar block covers rows 1 to 22 and part of row 23");
static_assert(algorithm::index_entry_y(algorithm::kFirstStripIndexEntry) ==
                      kSeaRow &&
                  algorithm::index_entry_y(algorithm::kSecondStripIndexEntry) ==
                      kPolarFirstRow,
              "the check values name rows 0 and 1");

// The first cell of row y that ordinary land or sea may use: 8640 for rows
// wholly reserved (0 to 22, 4318 and 4319).
constexpr std::int32_t first_free_cell(std::int32_t y) noexcept {
  if (y < kPolarPartialRow || y >= kFlexRow) return algorithm::kCellColumns;
  if (y == kPolarPartialRow) return kPolarPartialCells;
  return 0;
}

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_RESERVED_CELLS_H_
