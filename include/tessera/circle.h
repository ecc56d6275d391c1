#ifndef TESSERA_CIRCLE_H_
#define TESSERA_CIRCLE_H_

#include "tessera/coordinates.h"
#include "tessera/error_descriptor.h"

namespace tessera {

struct Circle {
  Coordinates centre;
  double radius;  // kilometres, never negative

  // Throws InvalidArgumentError "circle radius is negative." when radius < 0.
  Circle(const Coordinates& centre, double radius_km);

  static ErrorDescriptor is_valid(const Coordinates& centre, double radius_km);

  // True when the haversine distance from the centre to `p`, on a sphere of
  // radius 6,371,000 m, is at most radius * 1000 metres
  // (boundary inclusive; a NaN distance is never contained).
  bool contains(const Coordinates& p) const;
};

}  // namespace tessera

#endif  // TESSERA_CIRCLE_H_
