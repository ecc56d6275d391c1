#include "mkdata/algorithm/blocks_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/decrypting_stream.h"
#include "mkdata/algorithm/attr_test_fixture.h"
#include "testing/hex.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(BlocksWriter, WritesTheBlocksLayout) {
  BlocksPlan plan;
  plan.blocks.resize(627);
  plan.blocks[0].strips = {{4320, 2160, 2}, {10, 100, 1}};
  plan.blocks[626].strips = {{0, 0, 8640}};
  const std::vector<std::uint8_t> bytes = write_blocks_data(plan);
  ASSERT_EQ(bytes.size(), 2u + 627 * 6 + 2 * 6 + 6);
  // Count 627; block 0: n = 2, two zero bytes, xs 4320 and 10, ys 2160 and
  // 100, counts 2 and 1; block 1: n = 0.
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 26),
            test::from_hex("7302 02000000 0000 e010 0a00 7008 6400 0200 0100 "
                           "00000000 0000"));
  // Block 626: n = 1, x 0, y 0, count 8640.
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 12, bytes.end()),
            test::from_hex("01000000 0000 0000 0000 c021"));
}

TEST(BlocksWriter, BlockOrderDecryptsToItsNumbers) {
  std::vector<int> order(627);
  for (int i = 0; i < 627; ++i) order[i] = (i * 5) % 627;
  const std::vector<std::uint8_t> bytes = write_block_order(order);
  ASSERT_EQ(bytes.size(), 1264u);

  std::istringstream file(test::as_string(bytes));
  data::DecryptingStream plain(file, 16384);
  const std::string text((std::istreambuf_iterator<char>(plain)),
                         std::istreambuf_iterator<char>());
  ASSERT_EQ(text.size(), 1264u);
  for (int i = 0; i < 627; ++i) {
    const int value = static_cast<std::uint8_t>(text[2 * i]) |
                      static_cast<std::uint8_t>(text[2 * i + 1]) << 8;
    ASSERT_EQ(value, order[i]) << i;
  }
  EXPECT_EQ(text.substr(1254), std::string(10, '\0'));
}

TEST(BlocksWriter, RejectsMalformedInput) {
  EXPECT_THROW(write_blocks_data(BlocksPlan{}), std::invalid_argument);
  EXPECT_THROW(write_block_order(std::vector<int>(626)), std::invalid_argument);
  std::vector<int> order(627);
  order[9] = 627;
  EXPECT_THROW(write_block_order(order), std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
