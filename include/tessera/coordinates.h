// A geographic position in decimal degrees (WGS 84 style latitude and
// longitude held as doubles).
#ifndef TESSERA_COORDINATES_H_
#define TESSERA_COORDINATES_H_

#include "tessera/error_descriptor.h"

namespace tessera {

struct Coordinates {
  double lat;  // degrees, north positive; never below -90 nor above 90
  double lng;  // degrees, east positive; not range-checked

  // Throws InvalidArgumentError "Invalid latitude: %f." when lat < -90 or
  // lat > 90. A NaN latitude passes (both comparisons are false).
  Coordinates(double lat_degrees, double lng_degrees);

  // Code 3 with the message above, or code 0. Never throws.
  static ErrorDescriptor are_valid(double lat_degrees, double lng_degrees);
};

}  // namespace tessera

#endif  // TESSERA_COORDINATES_H_
