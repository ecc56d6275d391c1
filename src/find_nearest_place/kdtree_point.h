// Positions as integer points on a sphere, the metric of the place tree.
#ifndef TESSERA_FIND_NEAREST_PLACE_KDTREE_POINT_H_
#define TESSERA_FIND_NEAREST_PLACE_KDTREE_POINT_H_

#include <cstdint>

#include "tessera/coordinates.h"

namespace tessera {
namespace find_nearest_place {

// Radius of the point sphere: 2^28 - 1/8 units.
constexpr double kPointSphereRadius = 268435455.875;

// A position on a sphere of radius kPointSphereRadius: x towards latitude 0,
// longitude 0; y towards longitude 90; z towards the north pole. Distances
// between points are compared as sums of squares in 64 bits.
struct Point {
  std::int32_t x;
  std::int32_t y;
  std::int32_t z;

  // R cos(lat) cos(lng), R cos(lat) sin(lng), R sin(lat), each truncated
  // toward zero; a NaN or infinite input gives 0 for the affected axes.
  // Never throws.
  static Point from_coords(const Coordinates& position) noexcept;

  // The coordinate on `axis` (0 = x, 1 = y, 2 = z).
  std::int32_t operator[](int axis) const noexcept {
    return axis == 0 ? x : axis == 1 ? y : z;
  }
};

// The centre of quantised cell (a, b): latitude (a + 0.5) / 65536 * 180 - 90
// and longitude (b + 0.5) / 65536 * 360 - 180, in double precision.
// Requires: a < 65536 (a larger a gives a latitude past 90 degrees and
// throws InvalidArgumentError).
Coordinates leaf_position(std::uint32_t a, std::uint32_t b);

}  // namespace find_nearest_place
}  // namespace tessera

#endif  // TESSERA_FIND_NEAREST_PLACE_KDTREE_POINT_H_
