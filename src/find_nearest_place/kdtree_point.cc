#include "find_nearest_place/kdtree_point.h"

#include <cmath>
#include <cstdint>

#include "core/angles.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace find_nearest_place {
namespace {

// Truncation toward zero. A NaN (from a NaN or infinite input) becomes 0
// rather than an undefined conversion.
std::int32_t truncate(double v) noexcept {
  return std::isnan(v) ? 0 : static_cast<std::int32_t>(v);
}

}  // namespace

Point Point::from_coords(const Coordinates& position) noexcept {
  const double lat = core::radians(position.lat);
  const double lng = core::radians(position.lng);
  const double cos_lat = std::cos(lat);
  return Point{truncate(kPointSphereRadius * cos_lat * std::cos(lng)),
               truncate(kPointSphereRadius * cos_lat * std::sin(lng)),
               truncate(kPointSphereRadius * std::sin(lat))};
}

Coordinates leaf_position(std::uint32_t a, std::uint32_t b) {
  return Coordinates((a + 0.5) / 65536.0 * 180.0 - 90.0,
                     (b + 0.5) / 65536.0 * 360.0 - 180.0);
}

}  // namespace find_nearest_place
}  // namespace tessera
