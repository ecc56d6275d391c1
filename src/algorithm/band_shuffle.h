// The fixed shuffle between attractiveness ordinals and code numbers.
//
// Code numbers are cut into 16 bands, band b covering [(2500 b)^3,
// (2500 (b + 1))^3). Inside its band an ordinal n becomes
// B + ((n - B) * K mod M), with B the band's base, M its size and K a
// multiplier coprime to M, so each band is permuted onto itself: early
// (attractive) ordinals keep small code numbers, while neighbouring ordinals
// get unrelated ones.
#ifndef TESSERA_ALGORITHM_BAND_SHUFFLE_H_
#define TESSERA_ALGORITHM_BAND_SHUFFLE_H_

#include <array>
#include <cstdint>

namespace tessera {
namespace algorithm {

inline constexpr int kShuffleBandCount = 16;

// 40000^3: the upper bound of the last band. Code numbers and ordinals from
// here on belong to no band.
inline constexpr std::int64_t kCodeNumberLimit = 64000000000000;

struct ShuffleBand {
  std::int64_t base;        // first code number of the band
  std::int64_t size;        // number of code numbers in the band
  std::int64_t multiplier;  // K, coprime to size
  std::int64_t inverse;     // K^-1 modulo size
};

// The 16 bands in increasing order. Fixed: every data set depends on them.
extern const std::array<ShuffleBand, kShuffleBandCount> kShuffleBands;

// The band holding `n`: the number of band upper bounds not greater than n,
// so kShuffleBandCount for n >= kCodeNumberLimit. Requires: n >= 0.
int shuffle_band_of(std::int64_t n) noexcept;

// The code number of `ordinal`: the forward shuffle inside its band. Exact
// for every ordinal in [0, kCodeNumberLimit); values outside that range lie
// in no band and are returned unchanged.
std::int64_t code_number_of_ordinal(std::int64_t ordinal) noexcept;

// The inverse of code_number_of_ordinal: ordinal_of_code_number(
// code_number_of_ordinal(n)) == n for every n, and the other way round.
std::int64_t ordinal_of_code_number(std::int64_t code_number) noexcept;

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_BAND_SHUFFLE_H_
