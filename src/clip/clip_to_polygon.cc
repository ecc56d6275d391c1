#include "clip/clip_to_polygon.h"

#include "clip/bounding_box_of.h"

namespace tessera {
namespace clip {

ClipToPolygon::ClipToPolygon(const Polygon& polygon)
    : polygon_(polygon), box_(bounding_box_of(polygon_)) {}

bool ClipToPolygon::keep(const Coordinates& position) const {
  return box_.contains(position) && polygon_.contains(position);
}

}  // namespace clip
}  // namespace tessera
