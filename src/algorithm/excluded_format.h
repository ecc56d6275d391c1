// The byte layout of the two excluded-areas files, shared by their reader
// and the data builder's writer.
//
// Both are plain little-endian files with fields back to back and no length
// word in front:
//
// "excluded/excluded_small_rectangles.data":
//   count    u32
//   records  count x 6 x i32: cell_x, cell_y, col_min, row_min, col_max,
//            row_max (a rectangle of squares inside one cell, corners
//            inclusive)
//
// "excluded/excluded_large_strips.data":
//   count    i32, a value below 1 meaning no records
//   records  count x 3 x i32: cell row, from, to (an inclusive run of whole
//            cells along the row)
//
// Cell columns must be below 8640 and cell rows below 4320; square ranges
// are not checked.
#ifndef TESSERA_ALGORITHM_EXCLUDED_FORMAT_H_
#define TESSERA_ALGORITHM_EXCLUDED_FORMAT_H_

#include <cstddef>

namespace tessera {
namespace algorithm {

inline constexpr char kExcludedSmallRectanglesFile[] =
    "excluded/excluded_small_rectangles.data";
inline constexpr char kExcludedLargeStripsFile[] =
    "excluded/excluded_large_strips.data";

inline constexpr std::size_t kExcludedCountSize = 4;
inline constexpr std::size_t kSmallRectangleRecordSize = 6 * 4;
inline constexpr std::size_t kLargeStripRecordSize = 3 * 4;

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_EXCLUDED_FORMAT_H_
