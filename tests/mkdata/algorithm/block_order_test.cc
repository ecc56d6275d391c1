#include "mkdata/algorithm/block_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "mkdata/algorithm/attr_test_fixture.h"

namespace tessera {
namespace mkdata {
namespace {

// Ranked block b drawn from region b % 3; blocks 2 and 5 from no region.
BlocksPlan plan_with_regions() {
  BlocksPlan plan;
  plan.blocks.resize(627);
  for (int b = 0; b < 624; ++b) plan.blocks[b].region = b % 3;
  plan.blocks[2].region = -1;
  plan.blocks[5].region = -1;
  return plan;
}

TEST(BlockOrder, PreferredRegionsComeFirst) {
  const BlocksPlan plan = plan_with_regions();
  const std::vector<int> order = block_order_for(plan, {2});
  ASSERT_EQ(order.size(), 627u);
  // Region 2 holds 8, 11, ..., 623: 206 blocks.
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 3),
            (std::vector<int>{8, 11, 14}));
  EXPECT_EQ(order[205], 623);
  EXPECT_EQ(std::vector<int>(order.begin() + 206, order.begin() + 212),
            (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(std::vector<int>(order.end() - 4, order.end()),
            (std::vector<int>{622, 624, 625, 626}));
  std::vector<int> sorted = order;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> identity(627);
  std::iota(identity.begin(), identity.end(), 0);
  EXPECT_EQ(sorted, identity);

  EXPECT_EQ(block_order_for(plan, {}), identity);
  EXPECT_NE(block_order_for(plan, {0}), block_order_for(plan, {1}));
  EXPECT_EQ(block_order_for(plan, {0, 1}), block_order_for(plan, {1, 0}));
}

TEST(BlockOrder, TheWorldsLanguagesDiffer) {
  const AttrDataSet& data = test::procedural_attr().data;
  ASSERT_EQ(data.block_orders.size(), 3u);
  const std::vector<int>& none = data.block_orders[0].block_order;
  const std::vector<int>& region2 = data.block_orders[1].block_order;
  EXPECT_NE(none, region2);
  EXPECT_NE(region2, data.block_orders[2].block_order);
  EXPECT_EQ(data.plan.blocks[region2.front()].region, 2);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
