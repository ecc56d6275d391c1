// Between attractiveness ordinals and word numbers: the band shuffle followed
// by the cube-shell numbering, with the range checks the conversions need.
#ifndef TESSERA_ALGORITHM_ORDINAL_NUMBERS_H_
#define TESSERA_ALGORITHM_ORDINAL_NUMBERS_H_

#include <cstdint>

#include "algorithm/cube_shell.h"
#include "tessera/optional.h"

namespace tessera {
namespace algorithm {

// Word numbers are below this; 40000^3 is where the code numbers end.
inline constexpr std::int32_t kWordNumberLimit = 40000;

// The word numbers of `ordinal`, or empty when the ordinal lies in no band
// (negative, or kCodeNumberLimit and above). Ordinal 0 gives {0, 0, 0}.
Optional<ThreeNumbers> three_numbers_of_ordinal(std::int64_t ordinal);

// The ordinal that three_numbers_of_ordinal maps to (i, j, k), or empty when
// a member is negative or kWordNumberLimit or more: such numbers come from no
// ordinal.
Optional<std::int64_t> ordinal_of_three_numbers(std::int32_t i, std::int32_t j,
                                                std::int32_t k);

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_ORDINAL_NUMBERS_H_
