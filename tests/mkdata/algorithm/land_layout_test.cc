#include "mkdata/algorithm/land_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "algorithm/column_table.h"

namespace tessera {
namespace mkdata {
namespace {

// Land given row by row; every cell of region 0.
class RowsModel : public LandModel {
 public:
  explicit RowsModel(std::map<std::int32_t, std::vector<CellRun>> rows)
      : rows_(std::move(rows)) {}
  std::vector<CellRun> land_runs(std::int32_t y) const override {
    auto it = rows_.find(y);
    return it == rows_.end() ? std::vector<CellRun>{} : it->second;
  }
  double score(std::int32_t, std::int32_t) const override { return 0; }
  std::int32_t region(std::int32_t, std::int32_t) const override { return 0; }
  std::int32_t region_count() const override { return 1; }

 private:
  std::map<std::int32_t, std::vector<CellRun>> rows_;
};

using Runs = std::vector<CellRun>;

TEST(LandLayout, MergesRunsAndKeepsOffReservedCells) {
  const RowsModel model({{10, {{0, 100}}},
                         {23, {{1000, 2000}, {5000, 5010}}},
                         {500, {{300, 400}, {-5, 10}, {100, 200}, {150, 300}}},
                         {600, {{8600, 9000}, {410, 420}, {400, 410}}},
                         {4318, {{0, 8640}}}});
  const LandLayout layout = LandLayout::from_model(model);
  EXPECT_EQ(layout.row(10), Runs{});
  EXPECT_EQ(layout.row(23), (Runs{{1666, 2000}, {5000, 5010}}));
  EXPECT_EQ(layout.row(500), (Runs{{0, 10}, {100, 400}}));
  EXPECT_EQ(layout.row(600), (Runs{{400, 420}, {8600, 8640}}));
  EXPECT_EQ(layout.row(4318), Runs{});
  // Rows 23 to 4317 are free, and all sea but rows 23, 500 and 600, which
  // hold two sea runs each.
  EXPECT_EQ(layout.sea_runs(), 4295 + 3);
  EXPECT_EQ(layout.columns(),
            (334 + 10) * std::int64_t{algorithm::columns_in_cell_row[23]} +
                310 * std::int64_t{algorithm::columns_in_cell_row[500]} +
                60 * std::int64_t{algorithm::columns_in_cell_row[600]});
}

TEST(LandLayout, CoarsenFillsNarrowGapsThenDropsSmallIslands) {
  const RowsModel model(
      {{700, {{100, 103}, {104, 110}, {200, 201}, {300, 400}, {403, 405}}}});
  LandLayout layout = LandLayout::from_model(model);
  layout.coarsen(1);
  EXPECT_EQ(layout.row(700).size(), 5u);
  layout.coarsen(2);
  EXPECT_EQ(layout.row(700), (Runs{{100, 110}, {300, 400}, {403, 405}}));
  layout.coarsen(4);
  EXPECT_EQ(layout.row(700), (Runs{{100, 110}, {300, 405}}));
}

TEST(LandLayout, AdjustsColumnsIntoTheWindow) {
  const RowsModel model({{2000, {{0, 4000}}}, {3000, {{10, 20}}}});
  const struct {
    const char* what;
    std::int64_t shift;
  } kCases[] = {{"grow", 50000000}, {"shrink", -3000000}, {"keep", -10}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    LandLayout layout = LandLayout::from_model(model);
    const std::int64_t lo = layout.columns() + c.shift - 2000;
    const std::int64_t hi = lo + 4000;
    layout.adjust_columns(lo, hi);
    EXPECT_GE(layout.columns(), lo);
    EXPECT_LE(layout.columns(), hi);
  }
}

TEST(LandLayout, AdjustsAnEmptyWorld) {
  LandLayout layout = LandLayout::from_model(RowsModel({}));
  layout.adjust_columns(10000000000, 10000004000);
  EXPECT_GE(layout.columns(), 10000000000);
  EXPECT_LE(layout.columns(), 10000004000);
}

TEST(LandLayout, RejectsWindowsItCannotHit) {
  LandLayout layout = LandLayout::from_model(RowsModel({}));
  EXPECT_THROW(layout.adjust_columns(1000, 2000), std::invalid_argument);
  // More than every free cell together.
  EXPECT_THROW(layout.adjust_columns(36716924160, 36716934160),
               std::runtime_error);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
