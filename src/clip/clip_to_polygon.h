// Clipping to the inside of a polygon.
#ifndef TESSERA_CLIP_CLIP_TO_POLYGON_H_
#define TESSERA_CLIP_CLIP_TO_POLYGON_H_

#include "clip/clip.h"
#include "tessera/bounding_box.h"
#include "tessera/polygon.h"

namespace tessera {
namespace clip {

// Keeps the positions inside the polygon's bounding box (edges included)
// for which Polygon::contains holds. The box is tested first, so a position
// outside it costs four comparisons, not a walk round the ring. Points on an
// edge of the polygon follow Polygon::contains.
class ClipToPolygon : public Clip {
 public:
  // Throws what bounding_box_of throws.
  explicit ClipToPolygon(const Polygon& polygon);

  bool keep(const Coordinates& position) const override;

  const Polygon& polygon() const { return polygon_; }

 private:
  Polygon polygon_;
  BoundingBox box_;
};

}  // namespace clip
}  // namespace tessera

#endif  // TESSERA_CLIP_CLIP_TO_POLYGON_H_
