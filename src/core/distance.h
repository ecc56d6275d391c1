// Distances on a sphere of radius 6,371,000 m. Degrees convert to radians as
// x * pi / 180, in that order.
#ifndef TESSERA_CORE_DISTANCE_H_
#define TESSERA_CORE_DISTANCE_H_

#include "tessera/coordinates.h"

namespace tessera {
namespace core {

double sin_degrees(double degrees);
double cos_degrees(double degrees);
// sin(x / 2)^2, x in radians.
double haversin(double radians);
// Haversine distance in metres; NaN inputs give NaN.
double distance(Coordinates a, Coordinates b);
// Arc-tangent form of the great-circle distance in metres.
double great_circle_distance(Coordinates a, Coordinates b);
// sqrt(x*x + y*y) with x*x fused into the addition.
double length_of_2_vector(double x, double y);

}  // namespace core
}  // namespace tessera

#endif  // TESSERA_CORE_DISTANCE_H_
