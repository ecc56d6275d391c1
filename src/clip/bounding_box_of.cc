#include "clip/bounding_box_of.h"

#include <limits>

#include "tessera/coordinates.h"

namespace tessera {
namespace clip {

BoundingBox bounding_box_of(const Polygon& polygon) {
  constexpr double kLargest = std::numeric_limits<double>::max();
  double min_lat = kLargest;
  double min_lng = kLargest;
  double max_lat = -kLargest;
  double max_lng = -kLargest;
  for (const Coordinates& p : polygon.points) {
    if (p.lat < min_lat) min_lat = p.lat;
    if (p.lng < min_lng) min_lng = p.lng;
    if (p.lat > max_lat) max_lat = p.lat;
    if (p.lng > max_lng) max_lng = p.lng;
  }
  return BoundingBox(Coordinates(min_lat, min_lng),
                     Coordinates(max_lat, max_lng));
}

}  // namespace clip
}  // namespace tessera
