#include "data/data_key.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "testing/hex.h"

namespace tessera {
namespace data {
namespace {

// The build passes the configured hex texts in, so this checks their
// conversion to bytes, in order.
TEST(DataKey, HoldsConfiguredBytes) {
  EXPECT_EQ(std::vector<std::uint8_t>(kDataKey, kDataKey + 16),
            test::from_hex(TESSERA_TEST_DATA_KEY));
  EXPECT_EQ(std::vector<std::uint8_t>(kDataIv, kDataIv + 16),
            test::from_hex(TESSERA_TEST_DATA_IV));
}

}  // namespace
}  // namespace data
}  // namespace tessera
