#include "mkdata/algorithm/land_strips.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

// Row 3000 holds cells 0-19 and 100-102: region 1 at cell 5 and from cell
// 12 on, region 0 elsewhere. A cell scores its column.
class TwoRegions : public LandModel {
 public:
  std::vector<CellRun> land_runs(std::int32_t y) const override {
    if (y != 3000) return {};
    return {{0, 20}, {100, 103}};
  }
  double score(std::int32_t x, std::int32_t) const override { return x; }
  std::int32_t region(std::int32_t x, std::int32_t) const override {
    return x == 5 || (x >= 12 && x < 100) ? 1 : 0;
  }
  std::int32_t region_count() const override { return 2; }
};

struct Piece {
  int x, count, region;
};

void expect_pieces(const std::vector<LandStrip>& strips,
                   const std::vector<Piece>& expected) {
  ASSERT_EQ(strips.size(), expected.size());
  for (std::size_t i = 0; i < strips.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(strips[i].y, 3000);
    EXPECT_EQ(strips[i].x, expected[i].x);
    EXPECT_EQ(strips[i].count, expected[i].count);
    EXPECT_EQ(strips[i].region, expected[i].region);
  }
}

TEST(LandStrips, SplitsRunsWhereTheRegionChanges) {
  const TwoRegions model;
  const LandLayout layout = LandLayout::from_model(model);
  expect_pieces(region_pieces(layout, model, 1),
                {{0, 5, 0}, {5, 1, 1}, {6, 6, 0}, {12, 8, 1}, {100, 3, 0}});
  // The single cell of region 1 joins its western neighbour.
  expect_pieces(region_pieces(layout, model, 2),
                {{0, 12, 0}, {12, 8, 1}, {100, 3, 0}});
}

TEST(LandStrips, CutsToTheBudgetAndScoresTheMean) {
  const TwoRegions model;
  const std::vector<LandStrip> pieces =
      region_pieces(LandLayout::from_model(model), model, 2);
  // Three strips need pieces of up to 12 cells: nothing to cut.
  expect_pieces(cut_and_score(pieces, 3, model),
                {{0, 12, 0}, {12, 8, 1}, {100, 3, 0}});
  // Four allow at most 8: the 12 cells become two strips of 6.
  const std::vector<LandStrip> strips = cut_and_score(pieces, 4, model);
  expect_pieces(strips, {{0, 6, 0}, {6, 6, 0}, {12, 8, 1}, {100, 3, 0}});
  EXPECT_EQ(strips[0].score, 2.5);
  EXPECT_EQ(strips[1].score, 8.5);
  EXPECT_EQ(strips[3].score, 101.0);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
