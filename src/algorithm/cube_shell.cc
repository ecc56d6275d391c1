#include "algorithm/cube_shell.h"

#include <algorithm>
#include <cmath>

namespace tessera {
namespace algorithm {

ThreeNumbers three_numbers_of_code_number(std::int64_t code_number) noexcept {
  // The 0.1 keeps exact cubes from rounding below their root. The exponent is
  // the double nearest to 1/3, written out so that every target uses the
  // same value.
  const std::int32_t c = static_cast<std::int32_t>(
      std::pow(static_cast<double>(code_number) + 0.1, 0.3333333333333333));
  const std::int64_t c2 = std::int64_t{c} * c;
  const std::int64_t c3 = c2 * c;
  const std::int64_t face_1_last = c3 + c2 + std::int64_t{2 * c};
  const std::int64_t face_2_last = c3 + 2 * c2 + std::int64_t{3 * c};
  const std::int64_t face_3_last = c3 + 3 * c2 + std::int64_t{3 * c};
  if (code_number <= face_1_last) {
    const std::int64_t o = code_number - c3;
    return {c, static_cast<std::int32_t>(o / (c + 1)),
            static_cast<std::int32_t>(o % (c + 1))};
  }
  if (code_number <= face_2_last) {
    const std::int64_t o = code_number - (face_1_last + 1);
    return {static_cast<std::int32_t>(o / (c + 1)), c,
            static_cast<std::int32_t>(o % (c + 1))};
  }
  if (code_number <= face_3_last) {
    const std::int64_t o = code_number - (face_2_last + 1);
    return {static_cast<std::int32_t>(o / c), static_cast<std::int32_t>(o % c),
            c};
  }
  return {0, 0, 0};
}

std::int64_t code_number_of_three_numbers(std::int32_t i, std::int32_t j,
                                          std::int32_t k) noexcept {
  const std::int64_t c = std::max({i, j, k});
  const std::int64_t c2 = c * c;
  const std::int64_t c3 = c2 * c;
  if (i == c) return c3 + j * (c + 1) + k;
  if (j == c) return c3 + c2 + 2 * c + 1 + i * (c + 1) + k;
  return c3 + 2 * c2 + 3 * c + 1 + i * c + j;
}

}  // namespace algorithm
}  // namespace tessera
