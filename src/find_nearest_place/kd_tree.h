// The nearest-place search over the points of the named places.
#ifndef TESSERA_FIND_NEAREST_PLACE_KD_TREE_H_
#define TESSERA_FIND_NEAREST_PLACE_KD_TREE_H_

#include "tessera/coordinates.h"
#include "tessera/optional.h"

namespace tessera {
namespace find_nearest_place {

// Implementations are immutable and thread-safe.
class KDTree {
 public:
  virtual ~KDTree() = default;

  // The number (leaf position) of the place nearest to `position` whose
  // straight-line distance on a sphere of 6,371 km is strictly below
  // `radius_m`; empty when there is none (always for a negative radius).
  // Radii of 6,371 km and more are capped at about the Earth's radius.
  // Among equally near places the first one met by the search wins.
  // Throws FileError when the data turns out to be corrupt.
  virtual Optional<int> nearest_to(const Coordinates& position,
                                   double radius_m) const = 0;
};

}  // namespace find_nearest_place
}  // namespace tessera

#endif  // TESSERA_FIND_NEAREST_PLACE_KD_TREE_H_
