// How many squares across each cell of a cell row has.
#ifndef TESSERA_ALGORITHM_COLUMN_TABLE_H_
#define TESSERA_ALGORITHM_COLUMN_TABLE_H_

#include <array>
#include <cstdint>

#include "algorithm/grid_constants.h"

namespace tessera {
namespace algorithm {

// Entry y is the number of columns in every cell of cell row y:
// max(1, floor(1546 * cos(phi))), with phi = (y + 0.5) / 24 - 90 the latitude
// of the middle of the row, in degrees. The table is fixed by the grid and
// compiled in, so no cosine is evaluated at run time. It is symmetric about
// the equator (entry y equals entry 4319 - y), and its entries sum to
// 4,249,644. Constant-initialised: safe to read during static initialisation
// and from any thread.
extern const std::array<std::int32_t, kCellRows> columns_in_cell_row;

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_COLUMN_TABLE_H_
