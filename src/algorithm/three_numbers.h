// Between positions and the three word numbers of their addresses.
//
// A position's square has an attractiveness ordinal in the address's
// language; the ordinal is shuffled inside its band to a code number, and the
// code number names three word numbers. The reverse path undoes each step and
// gives the square's centre. Excluded squares keep their ordinals, but have
// no numbers, and the numbers of their ordinals have no position.
//
// All functions are pure over read-only data: any thread, no allocation, and
// no exceptions beyond those stated.
#ifndef TESSERA_ALGORITHM_THREE_NUMBERS_H_
#define TESSERA_ALGORITHM_THREE_NUMBERS_H_

#include "algorithm/attr_data.h"
#include "algorithm/cube_shell.h"
#include "algorithm/excluded_areas.h"
#include "algorithm/grid_square.h"
#include "tessera/coordinates.h"
#include "tessera/optional.h"

namespace tessera {
namespace algorithm {

// The word numbers of the square containing `position` (each below 40000).
// Empty when the square is excluded, or when `attr` places the square's cell
// at no ordinal of the grid.
Optional<ThreeNumbers> three_numbers_from_coords(const AttrData& attr,
                                                 const ExcludedAreas& excluded,
                                                 const Coordinates& position);

// The square named by the word numbers (i, j, k). Empty when a number is
// negative or 40000 or more, when the ordinal they name lies beyond the
// squares of `attr`, or when the square is excluded. For every square that
// is not excluded this undoes three_numbers_from_coords.
Optional<GridSquare> square_from_three_numbers(const AttrData& attr,
                                               const ExcludedAreas& excluded,
                                               int i, int j, int k);

// The centre of square_from_three_numbers, each coordinate rounded to 6
// decimals; empty when that is.
Optional<Coordinates> coords_from_three_numbers(const AttrData& attr,
                                                const ExcludedAreas& excluded,
                                                int i, int j, int k);

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_THREE_NUMBERS_H_
