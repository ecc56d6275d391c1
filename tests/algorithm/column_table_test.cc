#include "algorithm/column_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "algorithm/grid_constants.h"

namespace tessera {
namespace algorithm {
namespace {

TEST(ColumnTable, CheckValues) {
  const struct {
    int row;
    std::int32_t columns;
  } kCases[] = {{0, 1},       {1, 1},       {2, 2},       {3, 3},
                {4, 5},       {5, 6},       {100, 112},   {500, 550},
                {1000, 1028}, {1080, 1093}, {2000, 1535}, {2159, 1545},
                {2160, 1545}, {4319, 1}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(columns_in_cell_row[c.row], c.columns);
  }
}

// The table is compiled in; recompute every entry from the latitude of the
// middle of its row.
TEST(ColumnTable, MatchesCosineOfRowMiddle) {
  const double kPi = 3.141592653589793;
  for (int y = 0; y < kCellRows; ++y) {
    const double phi = (y + 0.5) / 24 - 90;
    const double columns = std::floor(1546 * std::cos(phi * kPi / 180));
    ASSERT_EQ(columns_in_cell_row[y],
              std::max(1, static_cast<std::int32_t>(columns)))
        << "row " << y;
  }
}

TEST(ColumnTable, SymmetricWithKnownTotal) {
  std::int64_t sum = 0;
  for (int y = 0; y < kCellRows; ++y) {
    EXPECT_EQ(columns_in_cell_row[y], columns_in_cell_row[kCellRows - 1 - y])
        << "row " << y;
    sum += columns_in_cell_row[y];
  }
  EXPECT_EQ(sum, 4249644);
  EXPECT_EQ(std::int64_t{kCellColumns} * kRowsPerCell * sum, kSquaresInGrid);
  EXPECT_EQ(kSquaresInGrid, std::int64_t{56764364751360});
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
