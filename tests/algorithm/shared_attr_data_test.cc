#include "algorithm/shared_attr_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "tessera/error.h"

namespace tessera {
namespace algorithm {
namespace {

Block block_of(std::vector<Strip> strips, std::int64_t total) {
  Block block;
  block.strips = std::move(strips);
  block.total = total;
  return block;
}

TEST(SharedAttrData, IndexesEveryStrip) {
  std::vector<Block> blocks;
  blocks.push_back(block_of({Strip::make(0, 4320, 2160)}, 3090));
  blocks.push_back(block_of({}, 0));
  blocks.push_back(
      block_of({Strip::make(0, 0, 4319), Strip::make(1, 8639, 0)}, 2));
  const SharedAttrData data(std::move(blocks));
  ASSERT_EQ(data.blocks().size(), 3u);
  ASSERT_EQ(data.strip_index().size(), 3u);
  EXPECT_EQ(data.strip_index()[0].value,
            StripIndexEntry::make(0, 8639, 2, 1).value);
}

// Blocks that would send a lookup outside the data or the grid.
TEST(SharedAttrData, RejectsMalformedBlocks) {
  const struct {
    const char* what;
    std::vector<Strip> strips;
    std::int64_t total;
  } kCases[] = {
      {"row above the grid", {Strip::make(0, 0, 4320)}, 1},
      {"column east of the grid", {Strip::make(0, 8640, 0)}, 1},
      {"starts out of order", {Strip::make(5, 0, 0), Strip::make(2, 1, 0)}, 9},
      {"repeated start", {Strip::make(0, 0, 0), Strip::make(0, 1, 0)}, 9},
      {"start at the total", {Strip::make(3, 0, 0)}, 3},
      {"total above the grid", {Strip::make(0, 0, 0)}, 36716924161},
      {"negative start", {Strip{-(std::int64_t{1} << 27)}}, 3},
      // Two one-column cells from the last column run past the row.
      {"past the row end", {Strip::make(0, 8639, 4319)}, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    std::vector<Block> blocks;
    blocks.push_back(block_of(c.strips, c.total));
    EXPECT_THROW(SharedAttrData{std::move(blocks)}, InvalidArgumentError);
  }
  EXPECT_THROW(SharedAttrData{std::vector<Block>(kMaxBlocks + 1)},
               InvalidArgumentError);
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
