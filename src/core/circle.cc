#include "tessera/circle.h"

#include "core/distance.h"
#include "tessera/error_descriptor.h"

namespace tessera {

Circle::Circle(const Coordinates& centre, double radius_km)
    : centre(centre), radius(radius_km) {
  assert_error_descriptor(is_valid(this->centre, radius));
}

ErrorDescriptor Circle::is_valid(const Coordinates& /*centre*/,
                                 double radius_km) {
  if (radius_km < 0.0) return {3, "circle radius is negative."};
  return {0, ""};
}

bool Circle::contains(const Coordinates& p) const {
  // Kilometres against metres; false when the distance is NaN.
  return radius * 1000.0 >= core::distance(centre, p);
}

}  // namespace tessera
