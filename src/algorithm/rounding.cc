#include "algorithm/rounding.h"

#include <cmath>
#include <limits>

namespace tessera {
namespace algorithm {
namespace {

// 2^63: the first double a 64-bit integer cannot hold.
constexpr double kInt64Bound = 9223372036854775808.0;

double half_toward_sign(double value) { return value < 0.0 ? -0.5 : 0.5; }

// Converts a scaled value back, or returns `value` itself where the scaled
// value has no fractional part to drop (or is NaN or infinite).
double unscale(double value, double scaled, double factor) {
  if (!(std::fabs(scaled) < kInt64Bound)) return value;
  return static_cast<double>(truncate_to_int64(scaled)) / factor;
}

double round_plain(double value, double factor) {
  return unscale(value, value * factor + half_toward_sign(value), factor);
}

double round_fused(double value, double factor) {
  return unscale(value, std::fma(value, factor, half_toward_sign(value)),
                 factor);
}

}  // namespace

double round_6_decimals(double value) noexcept {
  return round_plain(value, 1e6);
}

double round_6_decimals_fused(double value) noexcept {
  return round_fused(value, 1e6);
}

double round_10_decimals(double value) noexcept {
  return round_plain(value, 1e10);
}

double round_10_decimals_fused(double value) noexcept {
  return round_fused(value, 1e10);
}

std::int64_t truncate_to_int64(double value) noexcept {
  if (std::isnan(value)) return 0;
  if (value >= kInt64Bound) return std::numeric_limits<std::int64_t>::max();
  if (value <= -kInt64Bound) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

}  // namespace algorithm
}  // namespace tessera
