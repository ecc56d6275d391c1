#include "algorithm/band_shuffle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

namespace tessera {
namespace algorithm {
namespace {

// a * b mod m by doubling and adding, exact for m < 2^62: slow, but shares
// nothing with the split multiplication under test.
std::int64_t reference_mul_mod(std::int64_t a, std::int64_t b, std::int64_t m) {
  std::int64_t r = 0;
  for (int bit = 62; bit >= 0; --bit) {
    r = (r * 2) % m;
    if ((b >> bit) & 1) r = (r + a) % m;
  }
  return r;
}

// Bases and sizes as published with the multipliers.
const struct {
  std::int64_t base, size;
} kPublishedBands[kShuffleBandCount] = {
    {0, 15625000000},
    {15625000000, 109375000000},
    {125000000000, 296875000000},
    {421875000000, 578125000000},
    {1000000000000, 953125000000},
    {1953125000000, 1421875000000},
    {3375000000000, 1984375000000},
    {5359375000000, 2640625000000},
    {8000000000000, 3390625000000},
    {11390625000000, 4234375000000},
    {15625000000000, 5171875000000},
    {20796875000000, 6203125000000},
    {27000000000000, 7328125000000},
    {34328125000000, 8546875000000},
    {42875000000000, 9859375000000},
    {52734375000000, 11265625000000},
};

TEST(BandShuffle, BandTable) {
  for (int b = 0; b < kShuffleBandCount; ++b) {
    SCOPED_TRACE(testing::Message() << "band " << b);
    const ShuffleBand& band = kShuffleBands[b];
    EXPECT_EQ(band.base, kPublishedBands[b].base);
    EXPECT_EQ(band.size, kPublishedBands[b].size);
    EXPECT_EQ(reference_mul_mod(band.multiplier, band.inverse, band.size), 1);
    // Bases are fixed points in both directions.
    EXPECT_EQ(code_number_of_ordinal(band.base), band.base);
    EXPECT_EQ(ordinal_of_code_number(band.base), band.base);
    EXPECT_EQ(shuffle_band_of(band.base), b);
    EXPECT_EQ(shuffle_band_of(band.base + band.size - 1), b);
  }
  EXPECT_EQ(shuffle_band_of(kCodeNumberLimit), kShuffleBandCount);
}

TEST(BandShuffle, CheckValues) {
  const struct {
    std::int64_t ordinal, code_number;
  } kCases[] = {
      {0, 0},
      {1, 9401181441},
      {2, 3177362882},
      {1546, 2976507786},
      {15624999999, 6223818559},  // last of band 0
      {15625000000, 15625000000},
      {15625000001, 103151181441},
      {56764364751359, 55537060328319},  // last square of the grid
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.ordinal);
    EXPECT_EQ(code_number_of_ordinal(c.ordinal), c.code_number);
    EXPECT_EQ(ordinal_of_code_number(c.code_number), c.ordinal);
  }
}

TEST(BandShuffle, MatchesExactProductInEveryBand) {
  const std::uint32_t kSeed = 20240611;
  SCOPED_TRACE(testing::Message() << "seed " << kSeed);
  std::mt19937_64 random(kSeed);
  for (const ShuffleBand& band : kShuffleBands) {
    SCOPED_TRACE(testing::Message() << "band at " << band.base);
    std::uniform_int_distribution<std::int64_t> offset(0, band.size - 1);
    std::vector<std::int64_t> offsets = {
        1, 0xFFFF, 0x10000, 0xFFFFFFFF, 0x100000000, band.size - 1};
    for (int n = 0; n < 2000; ++n) offsets.push_back(offset(random));
    for (const std::int64_t m : offsets) {
      const std::int64_t n = band.base + m;
      const std::int64_t forward = code_number_of_ordinal(n);
      ASSERT_EQ(forward,
                band.base + reference_mul_mod(m, band.multiplier, band.size))
          << n;
      ASSERT_EQ(ordinal_of_code_number(forward), n);
      ASSERT_EQ(code_number_of_ordinal(ordinal_of_code_number(n)), n);
    }
  }
}

TEST(BandShuffle, OutsideTheBandsUnchanged) {
  for (const std::int64_t n :
       {std::int64_t{-1}, kCodeNumberLimit, kCodeNumberLimit + 12345}) {
    EXPECT_EQ(code_number_of_ordinal(n), n);
    EXPECT_EQ(ordinal_of_code_number(n), n);
  }
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
