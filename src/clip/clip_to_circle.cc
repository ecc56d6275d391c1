#include "clip/clip_to_circle.h"

namespace tessera {
namespace clip {

ClipToCircle::ClipToCircle(const Circle& circle) : circle_(circle) {}

bool ClipToCircle::keep(const Coordinates& position) const {
  return circle_.contains(position);
}

}  // namespace clip
}  // namespace tessera
