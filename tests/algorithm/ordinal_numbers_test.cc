#include "algorithm/ordinal_numbers.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "algorithm/band_shuffle.h"

namespace tessera {
namespace algorithm {
namespace {

TEST(OrdinalNumbers, CheckValues) {
  const struct {
    std::int64_t ordinal;
    ThreeNumbers numbers;
  } kCases[] = {
      {0, {0, 0, 0}},
      {1, {1323, 2110, 1267}},
      {2, {1470, 570, 1412}},
      {1546, {609, 1438, 1042}},
      {15624999999, {587, 1839, 160}},
      {15625000000, {2500, 0, 0}},
      {15625000001, {2443, 3935, 4689}},
      {56764364751359, {27461, 3774, 38152}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.ordinal);
    EXPECT_EQ(three_numbers_of_ordinal(c.ordinal),
              Optional<ThreeNumbers>(c.numbers));
    EXPECT_EQ(
        ordinal_of_three_numbers(c.numbers[0], c.numbers[1], c.numbers[2]),
        Optional<std::int64_t>(c.ordinal));
  }
}

TEST(OrdinalNumbers, OutOfRange) {
  EXPECT_FALSE(three_numbers_of_ordinal(-1).has_value());
  EXPECT_FALSE(three_numbers_of_ordinal(kCodeNumberLimit).has_value());
  EXPECT_TRUE(three_numbers_of_ordinal(kCodeNumberLimit - 1).has_value());

  const ThreeNumbers kNoOrdinal[] = {
      {40000, 0, 0}, {0, 40000, 0},           {0, 0, 40000},      {-1, 0, 0},
      {5, -1, 0},    {0, 0, -2147483647 - 1}, {2147483647, 0, 0},
  };
  for (const ThreeNumbers& t : kNoOrdinal) {
    SCOPED_TRACE(testing::Message() << t[0] << " " << t[1] << " " << t[2]);
    EXPECT_FALSE(ordinal_of_three_numbers(t[0], t[1], t[2]).has_value());
  }
  // The last band is shuffled over its full range, so the largest word
  // numbers still have an ordinal.
  const Optional<std::int64_t> last =
      ordinal_of_three_numbers(39999, 39999, 39999);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(three_numbers_of_ordinal(*last),
            Optional<ThreeNumbers>(ThreeNumbers{39999, 39999, 39999}));
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
