#include "algorithm/band_shuffle.h"

namespace tessera {
namespace algorithm {
namespace {

constexpr std::int64_t cube(std::int64_t v) { return v * v * v; }

constexpr std::int64_t band_base(int b) { return cube(2500 * b); }

constexpr ShuffleBand band(int b, std::int64_t multiplier,
                           std::int64_t inverse) {
  return {band_base(b), band_base(b + 1) - band_base(b), multiplier, inverse};
}

// The product m * K mod M, with m < M < 2^44 and K < M, needs about 88 bits.
// Split m into its bits from 32 up (12 bits), 16..31 and 0..15; with the
// constants A = K * 2^16 mod M and H = K * 2^32 mod M, each partial product
// stays below 2^60 and their sum below 2^62, so signed 64-bit arithmetic is
// exact on every target (32-bit ARM has no 128-bit integers).
struct SplitMultiplier {
  std::int64_t modulus;
  std::int64_t times_1;   // K
  std::int64_t times_16;  // A
  std::int64_t times_32;  // H
};

constexpr SplitMultiplier split(std::int64_t multiplier, std::int64_t modulus) {
  // multiplier < modulus < 2^44, so each shift by 16 stays below 2^60.
  const std::int64_t times_16 = (multiplier << 16) % modulus;
  return {modulus, multiplier, times_16, (times_16 << 16) % modulus};
}

constexpr std::int64_t multiply_mod(std::int64_t m, const SplitMultiplier& s) {
  const std::int64_t r = (m & 0xFFFF) * s.times_1 +
                         ((m >> 16) & 0xFFFF) * s.times_16 +
                         (m >> 32) * s.times_32;
  return r % s.modulus;
}

constexpr std::array<ShuffleBand, kShuffleBandCount> kBands = {{
    band(0, 9401181441, 12459868161),
    band(1, 87526181441, 12459868161),
    band(2, 118776181441, 184334868161),
    band(3, 525026181441, 418709868161),
    band(4, 337526181441, 840584868161),
    band(5, 1400026181441, 668709868161),
    band(6, 1790651181441, 59334868161),
    band(7, 2618776181441, 59334868161),
    band(8, 2275026181441, 778084868161),
    band(9, 228151181441, 1934334868161),
    band(10, 1228151181441, 3934334868161),
    band(11, 2673590513073, 1560207133137),
    band(12, 2275026181441, 1434334868161),
    band(13, 7962526181441, 1949959868161),
    band(14, 1587526181441, 403084868161),
    band(15, 11025026181441, 7778084868161),
}};

constexpr bool constants_fit_split_multiply() {
  for (const ShuffleBand& b : kBands) {
    if (b.size >= (std::int64_t{1} << 44)) return false;
    if (b.multiplier <= 0 || b.multiplier >= b.size) return false;
    if (b.inverse <= 0 || b.inverse >= b.size) return false;
  }
  return true;
}
static_assert(constants_fit_split_multiply(),
              "multipliers below their band size, bands below 2^44");
static_assert(kBands[kShuffleBandCount - 1].base +
                      kBands[kShuffleBandCount - 1].size ==
                  kCodeNumberLimit,
              "the last band ends at 40000^3");

template <typename Member>
constexpr std::array<SplitMultiplier, kShuffleBandCount> split_all(
    Member member) {
  std::array<SplitMultiplier, kShuffleBandCount> out{};
  for (int b = 0; b < kShuffleBandCount; ++b) {
    out[b] = split(kBands[b].*member, kBands[b].size);
  }
  return out;
}

constexpr std::array<SplitMultiplier, kShuffleBandCount> kForward =
    split_all(&ShuffleBand::multiplier);
constexpr std::array<SplitMultiplier, kShuffleBandCount> kInverse =
    split_all(&ShuffleBand::inverse);

std::int64_t shuffle(
    std::int64_t n,
    const std::array<SplitMultiplier, kShuffleBandCount>& multipliers) {
  if (n < 0) return n;
  const int b = shuffle_band_of(n);
  if (b == kShuffleBandCount) return n;
  const std::int64_t base = kBands[b].base;
  return base + multiply_mod(n - base, multipliers[b]);
}

}  // namespace

const std::array<ShuffleBand, kShuffleBandCount> kShuffleBands = kBands;

int shuffle_band_of(std::int64_t n) noexcept {
  int b = 0;
  while (b < kShuffleBandCount && kBands[b].base + kBands[b].size <= n) ++b;
  return b;
}

std::int64_t code_number_of_ordinal(std::int64_t ordinal) noexcept {
  return shuffle(ordinal, kForward);
}

std::int64_t ordinal_of_code_number(std::int64_t code_number) noexcept {
  return shuffle(code_number, kInverse);
}

}  // namespace algorithm
}  // namespace tessera
