#include "cli/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "gtest/gtest.h"

namespace tessera {
namespace cli {
namespace {

std::uint64_t bits_of(double d) {
  std::uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return bits;
}

TEST(NumberText, ParsesExactlyWithSignedZeros) {
  const struct {
    const char* text;
    double expected;
  } kCases[] = {
      {"0.1", 0.1},
      {"51.500729", 51.500729},
      {"-0.124625", -0.124625},
      {"+1.5", 1.5},
      {"1e-7", 1e-7},
      {"5e-324", 5e-324},
      // Halfway cases: the first rounds up to the smallest subnormal.
      {"2.4703282292062328e-324", 5e-324},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()},
      {"-0", -0.0},
      {"1e-400", 0.0},
      {"-0.0000000000000000000000000000000000001e-300", -0.0},
      {"-inf", -std::numeric_limits<double>::infinity()},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    double value = 42.0;
    ASSERT_TRUE(parse_double(c.text, value));
    EXPECT_EQ(bits_of(value), bits_of(c.expected));
  }
}

TEST(NumberText, RejectsNonNumbersAndOverflow) {
  for (const char* text :
       {"", "+", "-", "abc", "1.5x", " 1", "1 ", "+-1", "0x10", "1.8e308",
        "-1e400", "12345678901234567890e300"}) {
    SCOPED_TRACE(text);
    double value = 42.0;
    EXPECT_FALSE(parse_double(text, value));
    EXPECT_EQ(value, 42.0);
  }
}

TEST(NumberText, JsonNumbersAreShortestAndReadAsDoubles) {
  const struct {
    double value;
    const char* expected;
  } kCases[] = {
      {0.1, "0.1"},
      {51.500729, "51.500729"},
      {-0.124625, "-0.124625"},
      {1e-7, "1e-07"},
      {5e-324, "5e-324"},
      {3.0, "3.0"},
      {-0.0, "-0.0"},
      {0.0, "0.0"},
      {1e22, "1e+22"},
      {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
      {std::numeric_limits<double>::infinity(), "Infinity"},
      {-std::numeric_limits<double>::infinity(), "-Infinity"},
      {std::numeric_limits<double>::quiet_NaN(), "NaN"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(json_number_text(c.value), c.expected);
  }
}

// The C library's "%.17g" and strtod are exact; both directions must agree
// with them bit for bit.
TEST(NumberText, RoundTripsRandomDoublesAgainstTheCLibrary) {
  const std::uint64_t seed = 20240611;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  std::mt19937_64 random(seed);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    double parsed = 0.0;
    ASSERT_TRUE(parse_double(text, parsed)) << text;
    ASSERT_EQ(bits_of(parsed), bits) << text;
    const std::string written = json_number_text(value);
    ASSERT_EQ(bits_of(std::strtod(written.c_str(), nullptr)), bits) << written;
    ASSERT_LE(written.size(), std::strlen(text) + 2) << written;
  }
}

TEST(NumberText, DecimalTextDropsTrailingZerosAndNegativeZero) {
  const struct {
    double value;
    const char* expected;
  } kCases[] = {
      {51.5, "51.5"},
      {-0.12, "-0.12"},
      {3.0, "3"},
      {0.0, "0"},
      {-0.0, "0"},
      {-0.0000004, "0"},
      {0.0000051, "0.000005"},
      {51.520847, "51.520847"},
      {-179.9999999, "-180"},
      {1e20, "100000000000000000000"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(decimal_text(c.value, 6), c.expected);
  }
}

}  // namespace
}  // namespace cli
}  // namespace tessera
