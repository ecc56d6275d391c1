// Clipping to a circle around a position.
#ifndef TESSERA_CLIP_CLIP_TO_CIRCLE_H_
#define TESSERA_CLIP_CLIP_TO_CIRCLE_H_

#include "clip/clip.h"
#include "tessera/circle.h"

namespace tessera {
namespace clip {

// Keeps the positions Circle::contains holds: at most the radius from the
// centre by the haversine distance, the boundary included. A position whose
// distance is NaN is refused.
class ClipToCircle : public Clip {
 public:
  explicit ClipToCircle(const Circle& circle);

  bool keep(const Coordinates& position) const override;

  const Circle& circle() const { return circle_; }

 private:
  Circle circle_;
};

}  // namespace clip
}  // namespace tessera

#endif  // TESSERA_CLIP_CLIP_TO_CIRCLE_H_
