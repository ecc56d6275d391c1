// The numbering of word-number triples by code numbers.
//
// Code numbers below c^3 use only triples whose members are all below c. The
// triples whose largest member is c form shell c, the code numbers c^3 to
// (c + 1)^3 - 1, numbered face by face:
//   i == c:              c^3 + j * (c + 1) + k
//   j == c, i < c:       c^3 + c^2 + 2c + 1 + i * (c + 1) + k
//   k == c, i, j < c:    c^3 + 2c^2 + 3c + 1 + i * c + j
#ifndef TESSERA_ALGORITHM_CUBE_SHELL_H_
#define TESSERA_ALGORITHM_CUBE_SHELL_H_

#include <array>
#include <cstdint>

namespace tessera {
namespace algorithm {

// The word numbers of the first, second and third word of an address.
using ThreeNumbers = std::array<std::int32_t, 3>;

// The largest shell these functions handle: one past the word numbers that
// code numbers of the grid reach. Every code number up to the end of this
// shell finds its own shell; from shell 40753 on, exact cubes find the shell
// below and decode to {0, 0, 0}.
inline constexpr std::int32_t kMaxShell = 40000;

// The triple numbered `code_number`. The shell is found as
// pow(code_number + 0.1, 0.3333333333333333) truncated toward zero; should
// that root ever fall below the true shell, the result is {0, 0, 0}.
//
// Requires: 0 <= code_number < (kMaxShell + 1)^3.
ThreeNumbers three_numbers_of_code_number(std::int64_t code_number) noexcept;

// The code number of the triple (i, j, k): the exact inverse of
// three_numbers_of_code_number wherever that finds the true shell.
//
// Requires: 0 <= i, j, k <= kMaxShell.
std::int64_t code_number_of_three_numbers(std::int32_t i, std::int32_t j,
                                          std::int32_t k) noexcept;

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_CUBE_SHELL_H_
