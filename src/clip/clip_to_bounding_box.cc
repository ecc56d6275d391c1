#include "clip/clip_to_bounding_box.h"

namespace tessera {
namespace clip {

ClipToBoundingBox::ClipToBoundingBox(const BoundingBox& box) : box_(box) {}

ClipToBoundingBox::ClipToBoundingBox(const Coordinates& sw,
                                     const Coordinates& ne)
    : box_(sw, ne) {}

bool ClipToBoundingBox::keep(const Coordinates& position) const {
  return box_.contains(position);
}

}  // namespace clip
}  // namespace tessera
