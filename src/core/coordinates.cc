#include "tessera/coordinates.h"

#include "core/format.h"
#include "tessera/error_descriptor.h"

namespace tessera {

Coordinates::Coordinates(double lat_degrees, double lng_degrees)
    : lat(lat_degrees), lng(lng_degrees) {
  assert_error_descriptor(are_valid(lat, lng));
}

ErrorDescriptor Coordinates::are_valid(double lat_degrees,
                                       double /*lng_degrees*/) {
  // Strict comparisons: NaN passes, as does any longitude.
  if (lat_degrees < -90.0 || lat_degrees > 90.0) {
    return {3, "Invalid latitude: " + core::format_f(lat_degrees) + "."};
  }
  return {0, ""};
}

}  // namespace tessera
