// Decimal rounding of the coordinates the grid produces.
//
// Every rounding here is half away from zero at a fixed number of decimals,
// done as: multiply by 10^d, add 0.5 (subtract 0.5 for a negative value),
// truncate toward zero to a 64-bit integer, convert back and divide by 10^d.
// The plain forms round the product and the sum separately; the _fused forms
// compute value * 10^d +- 0.5 with one rounding (std::fma). Results depend on
// that choice, so callers use the form their step names.
//
// Values so large that value * 10^d does not fit a 64-bit integer already
// have no digits below 10^-d; they are returned unchanged, as are NaN and
// infinities. -0.0 rounds to +0.0.
#ifndef TESSERA_ALGORITHM_ROUNDING_H_
#define TESSERA_ALGORITHM_ROUNDING_H_

#include <cstdint>

namespace tessera {
namespace algorithm {

double round_6_decimals(double value) noexcept;
double round_6_decimals_fused(double value) noexcept;
double round_10_decimals(double value) noexcept;
double round_10_decimals_fused(double value) noexcept;

// Truncates toward zero. Out-of-range values saturate to the nearest 64-bit
// limit and NaN gives 0, so the conversion is defined for every input.
std::int64_t truncate_to_int64(double value) noexcept;

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_ROUNDING_H_
