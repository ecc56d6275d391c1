// The squares of the grid that have no address: small rectangles of squares
// inside single cells, and runs of whole cells along cell rows.
#ifndef TESSERA_ALGORITHM_EXCLUDED_AREAS_H_
#define TESSERA_ALGORITHM_EXCLUDED_AREAS_H_

#include <cstdint>
#include <vector>

#include "algorithm/grid_square.h"
#include "data/file_bytes.h"

namespace tessera {
namespace algorithm {

// The squares (col, row) with col_min <= col <= col_max and
// row_min <= row <= row_max inside cell (cell_x, cell_y).
struct SmallGridRectangle {
  std::int32_t cell_x;
  std::int32_t cell_y;
  std::int32_t col_min;
  std::int32_t row_min;
  std::int32_t col_max;
  std::int32_t row_max;

  friend bool operator==(const SmallGridRectangle& a,
                         const SmallGridRectangle& b) noexcept {
    return a.cell_x == b.cell_x && a.cell_y == b.cell_y &&
           a.col_min == b.col_min && a.row_min == b.row_min &&
           a.col_max == b.col_max && a.row_max == b.row_max;
  }
};

// The cell columns from..to, both inclusive, of one cell row.
struct XRange {
  std::int32_t from;
  std::int32_t to;

  friend bool operator==(const XRange& a, const XRange& b) noexcept {
    return a.from == b.from && a.to == b.to;
  }
};

// Immutable once built; any number of threads may test squares at once.
class ExcludedAreas {
 public:
  // Takes both lists as they are. `large_strips` holds the ranges of cell
  // row y at index y, one entry per cell row (4320 when read from the data
  // files); rows past its end have no ranges.
  ExcludedAreas(std::vector<SmallGridRectangle>&& small_rectangles,
                std::vector<std::vector<XRange>>&& large_strips);

  // Whether `square` is excluded: it lies in one of the small rectangles
  // (scanned in order), or its cell lies in one of the ranges of its cell
  // row. Only cell_x, cell_y, col and row are used.
  bool is_excluded(const GridSquare& square) const noexcept;

  const std::vector<SmallGridRectangle>& small_rectangles() const noexcept {
    return small_rectangles_;
  }
  const std::vector<std::vector<XRange>>& large_strips() const noexcept {
    return large_strips_;
  }

 private:
  std::vector<SmallGridRectangle> small_rectangles_;
  std::vector<std::vector<XRange>> large_strips_;
};

// Reads the two excluded-areas files (layout in algorithm/excluded_format.h)
// from their bytes.
//
// Throws FileError "Integrity failure (data files corrupted): Excluded areas
// data corrupted." when a rectangle's cell_x is not in 0..8639 or its cell_y
// not in 0..4319, or a strip's row is not in 0..4319 or its from or to not in
// 0..8639; and FileError with an integrity-failure message naming the file
// when a file does not end exactly where its count says: a short file, or
// bytes after the last record (a large-strip count below 1 means no
// records, so nothing may follow it). Nothing is kept after a failure.
ExcludedAreas read_excluded_areas(const data::FileBytes& small_rectangles,
                                  const data::FileBytes& large_strips);

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_EXCLUDED_AREAS_H_
