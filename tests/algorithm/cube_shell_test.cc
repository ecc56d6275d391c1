#include "algorithm/cube_shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

namespace tessera {
namespace algorithm {
namespace {

TEST(CubeShell, CheckValues) {
  const struct {
    std::int64_t code_number;
    ThreeNumbers numbers;
  } kCases[] = {
      // Shells 0 and 1, face by face.
      {0, {0, 0, 0}},
      {1, {1, 0, 0}},
      {2, {1, 0, 1}},
      {3, {1, 1, 0}},
      {4, {1, 1, 1}},
      {5, {0, 1, 0}},
      {6, {0, 1, 1}},
      {7, {0, 0, 1}},
      {8, {2, 0, 0}},
      {9401181441, {1323, 2110, 1267}},
      {3177362882, {1470, 570, 1412}},
      {2976507786, {609, 1438, 1042}},
      {6223818559, {587, 1839, 160}},
      {15625000000, {2500, 0, 0}},
      {103151181441, {2443, 3935, 4689}},
      {55537060328319, {27461, 3774, 38152}},
      {63999999999999, {39998, 39998, 39999}},  // last below 40000^3
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code_number);
    EXPECT_EQ(three_numbers_of_code_number(c.code_number), c.numbers);
    EXPECT_EQ(
        code_number_of_three_numbers(c.numbers[0], c.numbers[1], c.numbers[2]),
        c.code_number);
  }
}

// The first and last code numbers of each face, for every shell up to the
// largest handled.
TEST(CubeShell, FaceBoundaries) {
  for (std::int32_t c = 1; c <= kMaxShell; ++c) {
    const std::int64_t c2 = std::int64_t{c} * c;
    const std::int64_t c3 = c2 * c;
    const struct {
      std::int64_t code_number;
      ThreeNumbers numbers;
    } kCases[] = {
        {c3, {c, 0, 0}},
        {c3 + c2 + 2 * c, {c, c, c}},
        {c3 + c2 + 2 * c + 1, {0, c, 0}},
        {c3 + 2 * c2 + 3 * c, {c - 1, c, c}},
        {c3 + 2 * c2 + 3 * c + 1, {0, 0, c}},
        {c3 + 3 * c2 + 3 * c, {c - 1, c - 1, c}},
    };
    for (const auto& k : kCases) {
      ASSERT_EQ(three_numbers_of_code_number(k.code_number), k.numbers)
          << "shell " << c << ", code number " << k.code_number;
      ASSERT_EQ(code_number_of_three_numbers(k.numbers[0], k.numbers[1],
                                             k.numbers[2]),
                k.code_number)
          << "shell " << c;
    }
  }
}

TEST(CubeShell, RandomCodeNumbersRoundTrip) {
  const std::uint32_t kSeed = 7;
  SCOPED_TRACE(testing::Message() << "seed " << kSeed);
  std::mt19937_64 random(kSeed);
  const std::int64_t kEnd =
      std::int64_t{kMaxShell + 1} * (kMaxShell + 1) * (kMaxShell + 1);
  std::uniform_int_distribution<std::int64_t> code(0, kEnd - 1);
  for (int n = 0; n < 100000; ++n) {
    const std::int64_t code_number = code(random);
    const ThreeNumbers t = three_numbers_of_code_number(code_number);
    const std::int64_t c = std::max({t[0], t[1], t[2]});
    ASSERT_TRUE(c * c * c <= code_number &&
                code_number < (c + 1) * (c + 1) * (c + 1))
        << code_number;
    ASSERT_EQ(code_number_of_three_numbers(t[0], t[1], t[2]), code_number);
  }
}

// Every triple of members below 12 has its own code number below 12^3.
TEST(CubeShell, SmallShellsAreABijection) {
  bool seen[12][12][12] = {};
  for (std::int64_t code_number = 0; code_number < 12 * 12 * 12;
       ++code_number) {
    const ThreeNumbers t = three_numbers_of_code_number(code_number);
    ASSERT_TRUE(t[0] >= 0 && t[0] < 12 && t[1] >= 0 && t[1] < 12 && t[2] >= 0 &&
                t[2] < 12)
        << code_number;
    ASSERT_FALSE(seen[t[0]][t[1]][t[2]]) << code_number;
    seen[t[0]][t[1]][t[2]] = true;
  }
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
