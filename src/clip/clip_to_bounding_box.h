// Clipping to a box between two latitudes and two longitudes.
#ifndef TESSERA_CLIP_CLIP_TO_BOUNDING_BOX_H_
#define TESSERA_CLIP_CLIP_TO_BOUNDING_BOX_H_

#include "clip/clip.h"
#include "tessera/bounding_box.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace clip {

// Keeps sw.lat <= lat <= ne.lat and sw.lng <= lng <= ne.lng: all four edges
// belong to the box, and a NaN coordinate is never kept. Longitudes are
// compared as given, not wrapped.
class ClipToBoundingBox : public Clip {
 public:
  explicit ClipToBoundingBox(const BoundingBox& box);
  // Throws InvalidArgumentError as the BoundingBox constructor does when sw
  // lies north or east of ne.
  ClipToBoundingBox(const Coordinates& sw, const Coordinates& ne);

  bool keep(const Coordinates& position) const override;

  const BoundingBox& bounding_box() const { return box_; }

 private:
  BoundingBox box_;
};

}  // namespace clip
}  // namespace tessera

#endif  // TESSERA_CLIP_CLIP_TO_BOUNDING_BOX_H_
