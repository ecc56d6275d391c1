// The fixed dimensions of the global grid of squares. The grid is the same for
// every language and every data release, so these are compile-time constants.
//
// The earth is cut into cells of 1/24 degree in latitude and longitude. Every
// cell is cut into kRowsPerCell equal bands of latitude, and each band into as
// many columns as columns_in_cell_row (algorithm/column_table.h) gives for the
// cell's row, so that squares stay about 3 m by 3 m.
#ifndef TESSERA_ALGORITHM_GRID_CONSTANTS_H_
#define TESSERA_ALGORITHM_GRID_CONSTANTS_H_

#include <cstdint>

namespace tessera {
namespace algorithm {

inline constexpr std::int32_t kCellsPerDegree = 24;
// Cell columns are numbered 0..8639 eastwards from longitude -180.
inline constexpr std::int32_t kCellColumns = 360 * kCellsPerDegree;
// Cell rows are numbered 0..4319 northwards from latitude -90.
inline constexpr std::int32_t kCellRows = 180 * kCellsPerDegree;
inline constexpr std::int32_t kRowsPerCell = 1546;
inline constexpr std::int32_t kSquareRowsPerDegree =
    kCellsPerDegree * kRowsPerCell;
// kCellColumns * kRowsPerCell * (sum of columns_in_cell_row).
inline constexpr std::int64_t kSquaresInGrid = 56764364751360;

static_assert(kCellColumns == 8640 && kCellRows == 4320 &&
                  kSquareRowsPerDegree == 37104,
              "the grid dimensions are fixed");

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_GRID_CONSTANTS_H_
