#include "algorithm/strip_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "algorithm/blocks_format.h"

namespace tessera {
namespace algorithm {
namespace {

// The check values of the data release, and the entry another release puts
// second, with the fields they are documented to hold.
TEST(StripIndex, EntriesPackTheirFields) {
  const struct {
    std::int64_t value;
    int y, x, block, strip;
  } kCases[] = {{164146434, 0, 0, 626, 44290},
                {4398210280705, 1, 0, 624, 191745},
                {4398210657537, 1, 0, 626, 44289}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.value);
    const StripIndexEntry entry{c.value};
    EXPECT_EQ(entry.y(), c.y);
    EXPECT_EQ(entry.x(), c.x);
    EXPECT_EQ(entry.block(), c.block);
    EXPECT_EQ(entry.strip(), c.strip);
    EXPECT_EQ(StripIndexEntry::make(c.y, c.x, c.block, c.strip).value, c.value);
  }
  EXPECT_EQ(kFirstStripIndexEntry, 164146434);
  EXPECT_EQ(kSecondStripIndexEntry, 4398210280705);
}

TEST(StripIndex, SortsByCellThenBlockThenStrip) {
  std::vector<Block> blocks(2);
  blocks[0].strips = {Strip::make(0, 3, 5), Strip::make(7, 7, 0)};
  blocks[1].strips = {Strip::make(0, 3, 5), Strip::make(2, 2, 0)};
  const std::vector<StripIndexEntry> index = index_strips(blocks);
  const std::int64_t expected[] = {StripIndexEntry::make(0, 2, 1, 1).value,
                                   StripIndexEntry::make(0, 7, 0, 1).value,
                                   StripIndexEntry::make(5, 3, 0, 0).value,
                                   StripIndexEntry::make(5, 3, 1, 0).value};
  ASSERT_EQ(index.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(index[i].value, expected[i]) << i;
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
