#include "data/little_endian.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "testing/hex.h"

namespace tessera {
namespace data {
namespace {

using test::from_hex;

TEST(LittleEndian, DecodesIntegers) {
  EXPECT_EQ(decode_le<std::uint16_t>(from_hex("3412").data()), 0x1234);
  EXPECT_EQ(decode_le<std::int16_t>(from_hex("0080").data()), -32768);
  EXPECT_EQ(decode_le<std::uint32_t>(from_hex("78563412").data()), 0x12345678u);
  EXPECT_EQ(decode_le<std::int32_t>(from_hex("feffffff").data()), -2);
  EXPECT_EQ(decode_le<std::int32_t>(from_hex("ffffff7f").data()),
            std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(decode_le<std::uint64_t>(from_hex("0807060504030201").data()),
            0x0102030405060708u);
  EXPECT_EQ(decode_le<std::int64_t>(from_hex("0000000000000080").data()),
            std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(decode_le<std::int8_t>(from_hex("ff").data()), -1);
}

// IEEE 754 binary64 and binary32 bit patterns.
TEST(LittleEndian, DecodesFloatingPoint) {
  EXPECT_EQ(decode_le<double>(from_hex("000000000000f83f").data()), 1.5);
  EXPECT_EQ(decode_le<double>(from_hex("182d4454fb210940").data()),
            3.141592653589793);
  const double negative_zero =
      decode_le<double>(from_hex("0000000000000080").data());
  EXPECT_EQ(negative_zero, 0.0);
  EXPECT_TRUE(std::signbit(negative_zero));
  EXPECT_EQ(decode_le<float>(from_hex("0000c0bf").data()), -1.5f);
}

}  // namespace
}  // namespace data
}  // namespace tessera
