// One square of the global grid, the square that contains a position, and
// the corners and centre of a square.
#ifndef TESSERA_ALGORITHM_GRID_SQUARE_H_
#define TESSERA_ALGORITHM_GRID_SQUARE_H_

#include <cstdint>

#include "tessera/bounding_box.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace algorithm {

// The address of one square. A square built by square_containing_coords
// satisfies 0 <= cell_x < 8640, 0 <= cell_y < 4320, 0 <= col < cols,
// 0 <= row < 1546 and cols == columns_in_cell_row[cell_y].
struct GridSquare {
  std::int32_t cell_x;  // cell column, eastwards from longitude -180
  std::int32_t cell_y;  // cell row, northwards from latitude -90
  std::int32_t col;     // column inside the cell, west to east
  std::int32_t row;     // row inside the cell, south to north
  std::int32_t cols;    // columns in every cell of row cell_y

  friend bool operator==(const GridSquare& a, const GridSquare& b) noexcept {
    return a.cell_x == b.cell_x && a.cell_y == b.cell_y && a.col == b.col &&
           a.row == b.row && a.cols == b.cols;
  }
  friend bool operator!=(const GridSquare& a, const GridSquare& b) noexcept {
    return !(a == b);
  }
};

// The square containing `position`. Both coordinates are first rounded to 6
// decimals; the longitude is then wrapped into [-180, 180), so 180 and 540
// fall in the square of -180. A position on a square's south or west edge
// belongs to that square, one on its north or east edge to the neighbour;
// latitude 90 belongs to the top row of squares.
//
// Total: every Coordinates value yields a square. A NaN latitude is taken as
// -90, and a NaN or infinite longitude as -180.
GridSquare square_containing_coords(const Coordinates& position) noexcept;

// The south-west and north-east corners of `square`, each coordinate rounded
// to 6 decimals (the latitudes with a fused multiply-add).
//
// Requires: `square` satisfies the bounds stated at GridSquare.
BoundingBox square_bounds(const GridSquare& square);

// The centre of `square`, each coordinate rounded to 6 decimals. The centre
// lies inside square_bounds(square) and is contained by `square` itself.
//
// Requires: `square` satisfies the bounds stated at GridSquare.
Coordinates square_centre(const GridSquare& square);

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_GRID_SQUARE_H_
