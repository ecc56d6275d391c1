#include "tessera/bounding_box.h"

#include "core/format.h"
#include "tessera/error_descriptor.h"

namespace tessera {

BoundingBox::BoundingBox(const Coordinates& sw, const Coordinates& ne)
    : sw(sw), ne(ne) {
  assert_error_descriptor(are_valid(this->sw, this->ne));
}

ErrorDescriptor BoundingBox::are_valid(const Coordinates& sw,
                                       const Coordinates& ne) {
  if (sw.lat > ne.lat || sw.lng > ne.lng) {
    return {3, "Bounding box must have SW then NE: " + core::format_f(sw.lat) +
                   "," + core::format_f(sw.lng) + " --- " +
                   core::format_f(ne.lat) + "," + core::format_f(ne.lng) + "."};
  }
  return {0, ""};
}

bool BoundingBox::contains(const Coordinates& p) const {
  return sw.lat <= p.lat && p.lat <= ne.lat && sw.lng <= p.lng &&
         p.lng <= ne.lng;
}

}  // namespace tessera
