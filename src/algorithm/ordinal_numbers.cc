#include "algorithm/ordinal_numbers.h"

#include <initializer_list>

#include "algorithm/band_shuffle.h"

namespace tessera {
namespace algorithm {

static_assert(std::int64_t{kWordNumberLimit} * kWordNumberLimit *
                      kWordNumberLimit ==
                  kCodeNumberLimit,
              "the code numbers are exactly the triples below the limit");
static_assert(kWordNumberLimit <= kMaxShell,
              "the cube-shell numbering covers every word number");

Optional<ThreeNumbers> three_numbers_of_ordinal(std::int64_t ordinal) {
  if (ordinal < 0 || ordinal >= kCodeNumberLimit) return {};
  return three_numbers_of_code_number(code_number_of_ordinal(ordinal));
}

Optional<std::int64_t> ordinal_of_three_numbers(std::int32_t i, std::int32_t j,
                                                std::int32_t k) {
  for (const std::int32_t n : {i, j, k}) {
    if (n < 0 || n >= kWordNumberLimit) return {};
  }
  return ordinal_of_code_number(code_number_of_three_numbers(i, j, k));
}

}  // namespace algorithm
}  // namespace tessera
