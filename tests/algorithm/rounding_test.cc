#include "algorithm/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace tessera {
namespace algorithm {
namespace {

// Expected values were worked out in exact rational arithmetic from the
// doubles nearest the written decimals. Where the scaled double lands on a
// half that the exact decimal expansion falls short of, the rounding goes
// away from zero, unlike printf's correctly rounded "%.6f" (which gives
// 0.000000 for 5e-7 and 0.123456 for 0.1234565).
TEST(Rounding, SixDecimalsHalfAwayFromZero) {
  const struct {
    double value;
    double expected;
  } kCases[] = {
      {0.0000005, 0.000001},
      {-0.0000005, -0.000001},
      {0.1234565, 0.123457},
      {2.4999999e-7, 0.0},
      {1.0000005, 1.000001},
      {89.9999995, 90.0},
      {179.9999995, 180.0},
      {-179.9999995, -180.0},
      {-3000.0000004, -3000.0},
      // Scaled values beyond 32 bits.
      {2147.483648, 2147.483648},
      {5000.1234565, 5000.123457},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::hexfloat << c.value);
    EXPECT_EQ(round_6_decimals(c.value), c.expected);
    EXPECT_EQ(round_6_decimals_fused(c.value), c.expected);
  }
}

TEST(Rounding, TenDecimalsHalfAwayFromZero) {
  const struct {
    double value;
    double expected;
  } kCases[] = {
      {0.99999999995, 1.0},  // printf "%.10f" gives 0.9999999999
      {0.99999999994, 0.9999999999}, {0.12345678905, 0.1234567891},
      {0.00000000005, 0.0000000001}, {-0.00000000005, -0.0000000001},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::hexfloat << c.value);
    EXPECT_EQ(round_10_decimals(c.value), c.expected);
    EXPECT_EQ(round_10_decimals_fused(c.value), c.expected);
  }
}

TEST(Rounding, ZeroAndValuesWithoutDecimals) {
  EXPECT_FALSE(std::signbit(round_6_decimals(-0.0)));
  EXPECT_FALSE(std::signbit(round_10_decimals_fused(-0.0)));
  // -1e-7 rounds to an integer zero, which converts back as +0.
  EXPECT_FALSE(std::signbit(round_6_decimals(-1e-7)));

  const double kInf = std::numeric_limits<double>::infinity();
  for (double v : {1e300, -1e300, 1e13 + 0.5, kInf, -kInf}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(round_6_decimals(v), v);
    EXPECT_EQ(round_6_decimals_fused(v), v);
    EXPECT_EQ(round_10_decimals(v), v);
  }
  EXPECT_TRUE(std::isnan(round_6_decimals(std::nan(""))));
  EXPECT_TRUE(std::isnan(round_10_decimals_fused(std::nan(""))));
}

TEST(Rounding, TruncateToInt64) {
  const struct {
    double value;
    std::int64_t expected;
  } kCases[] = {
      {2.9, 2},
      {-2.9, -2},
      {4294967296.5, std::int64_t{4294967296}},
      {-1099511627776.75, -std::int64_t{1099511627776}},
      {1e19, std::numeric_limits<std::int64_t>::max()},
      {-9223372036854775808.0, std::numeric_limits<std::int64_t>::min()},
      {-1e300, std::numeric_limits<std::int64_t>::min()},
      {std::nan(""), 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::hexfloat << c.value);
    EXPECT_EQ(truncate_to_int64(c.value), c.expected);
  }
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
