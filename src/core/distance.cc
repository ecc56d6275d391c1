#include "core/distance.h"

#include <cmath>

#include "core/angles.h"

namespace tessera {
namespace core {
namespace {

constexpr double kEarthDiameterMetres = 12742000.0;
constexpr double kEarthRadiusMetres = 6371000.0;

}  // namespace

double sin_degrees(double degrees) { return std::sin(radians(degrees)); }

double cos_degrees(double degrees) { return std::cos(radians(degrees)); }

double haversin(double radians) {
  const double s = std::sin(radians * 0.5);
  return s * s;
}

double distance(Coordinates a, Coordinates b) {
  const double lat_term = haversin(radians(b.lat - a.lat));
  const double h = std::fma(cos_degrees(a.lat) * cos_degrees(b.lat),
                            haversin(radians(b.lng - a.lng)), lat_term);
  // Rounding can push h of near-antipodal points above 1, where
  // sqrt(1 - h) has no value: those are half a circumference apart.
  if (h > 1.0) return std::atan2(1.0, 0.0) * kEarthDiameterMetres;
  return std::atan2(std::sqrt(h), std::sqrt(1.0 - h)) * kEarthDiameterMetres;
}

double great_circle_distance(Coordinates a, Coordinates b) {
  const double s1 = sin_degrees(a.lat);
  const double c1 = cos_degrees(a.lat);
  const double s2 = sin_degrees(b.lat);
  const double c2 = cos_degrees(b.lat);
  const double delta = b.lng - a.lng;
  const double sd = sin_degrees(delta);
  const double cd = cos_degrees(delta);
  const double y = length_of_2_vector(c2 * sd, c1 * s2 - s1 * c2 * cd);
  const double x = s1 * s2 + c1 * c2 * cd;
  return std::atan2(y, x) * kEarthRadiusMetres;
}

double length_of_2_vector(double x, double y) {
  return std::sqrt(std::fma(x, x, y * y));
}

}  // namespace core
}  // namespace tessera
