#include "tessera/polygon.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "tessera/error_descriptor.h"

namespace tessera {
namespace {

constexpr std::size_t kMaxPolygonPoints = std::size_t{1} << 20;

}  // namespace

Polygon::Polygon(const std::vector<Coordinates>& points) : points(points) {
  assert_error_descriptor(is_valid(this->points));
}

ErrorDescriptor Polygon::is_valid(const std::vector<Coordinates>& points) {
  const std::size_t n = points.size();
  if (n > kMaxPolygonPoints) return {3, "Polygon contains too many points."};
  if (n < 4) {
    return {3,
            "A polygon must have at least 3 points (not counting the repeated "
            "first point)."};
  }
  if (points.front().lat == points.back().lat &&
      points.front().lng == points.back().lng) {
    return {0, ""};
  }
  return {3,
          "The last point of a polygon must be the same as the first point."};
}

bool Polygon::contains(const Coordinates& p) const {
  // Winding number with latitude as the first axis. The ring is closed by
  // its repeated last point, so no edge runs from the last point back.
  int winding = 0;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const Coordinates& a = points[i];
    const Coordinates& b = points[i + 1];
    // Which side of a->b the point lies on; fused so that a point a hair
    // off the edge is not rounded onto it.
    const double cross = std::fma(b.lng - a.lng, p.lat - a.lat,
                                  -((b.lat - a.lat) * (p.lng - a.lng)));
    if (a.lat <= p.lat) {
      if (p.lat < b.lat && cross > 0) ++winding;
    } else {
      if (p.lat >= b.lat && cross < 0) --winding;
    }
  }
  return winding != 0;
}

}  // namespace tessera
