#include "mkdata/algorithm/block_ranking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

TEST(BlockRanking, TargetsMeetTheCheckTotalsAndGrow) {
  const std::vector<std::int64_t> targets = ranked_block_targets(10000000000);
  ASSERT_EQ(targets.size(), 624u);
  EXPECT_EQ(targets[0], 1248);
  EXPECT_EQ(targets[200], 715646);
  std::int64_t sum = 0;
  for (std::size_t b = 0; b < targets.size(); ++b) {
    if (b > 0) {
      EXPECT_GE(targets[b], targets[b - 1]) << b;
    }
    sum += targets[b];
  }
  EXPECT_NEAR(static_cast<double>(sum), 9e9, 1e7);
}

// A few strips in three regions at different latitudes: the exact blocks
// still meet their totals, no block is empty, and every cell handed in
// comes out in exactly one block.
TEST(BlockRanking, KeepsEveryCellAndTheExactTotals) {
  std::vector<LandStrip> strips;
  // About 60 million columns, more than blocks 0 to 200 take together.
  for (int i = 0; i < 40; ++i) {
    const std::int16_t y = static_cast<std::int16_t>(1500 + 37 * i);
    strips.push_back(LandStrip{static_cast<std::int16_t>(10 * i), y, 1000,
                               i % 3, static_cast<double>((i * 7) % 40)});
  }
  const std::int32_t flex = 5000;
  BlocksPlan plan;
  plan.blocks.resize(627);
  rank_blocks(strips, flex, 3, &plan);

  EXPECT_EQ(plan.blocks[0].total(), 1248);
  EXPECT_EQ(plan.blocks[200].total(), 715646);
  std::map<std::pair<int, int>, int> seen;
  for (int b = 0; b < 626; ++b) {
    if (b == 624) continue;
    EXPECT_FALSE(plan.blocks[b].strips.empty()) << b;
    for (const PlannedStrip& strip : plan.blocks[b].strips) {
      for (int x = strip.x; x < strip.x + strip.count; ++x) {
        ++seen[{x, strip.y}];
      }
    }
  }
  std::map<std::pair<int, int>, int> expected;
  for (const LandStrip& strip : strips) {
    for (int x = strip.x; x < strip.x + strip.count; ++x) {
      expected[{x, strip.y}] = 1;
    }
  }
  for (int x = 0; x < flex; ++x) expected[{x, 4318}] = 1;
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
