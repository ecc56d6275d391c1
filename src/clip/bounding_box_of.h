// The bounding box of a polygon.
#ifndef TESSERA_CLIP_BOUNDING_BOX_OF_H_
#define TESSERA_CLIP_BOUNDING_BOX_OF_H_

#include "tessera/bounding_box.h"
#include "tessera/polygon.h"

namespace tessera {
namespace clip {

// The smallest box holding every point of `polygon`: south-west is the least
// latitude and least longitude, north-east the greatest of each. Exact (no
// arithmetic). Longitudes are taken as given, so a ring across the
// antimeridian gets a box spanning the other way round the globe.
//
// A NaN latitude or longitude is passed over, as no comparison holds for it.
// The first point of a Polygon has none (it must compare equal to the last),
// so the box always exists; a ring changed after its checks to hold only
// NaN latitudes or longitudes throws InvalidArgumentError.
BoundingBox bounding_box_of(const Polygon& polygon);

}  // namespace clip
}  // namespace tessera

#endif  // TESSERA_CLIP_BOUNDING_BOX_OF_H_
