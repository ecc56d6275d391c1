// The clip of a call that clips nothing.
#ifndef TESSERA_CLIP_NO_CLIPPING_H_
#define TESSERA_CLIP_NO_CLIPPING_H_

#include <memory>

#include "clip/clip.h"

namespace tessera {
namespace clip {

// Keeps every position, NaN included.
class NoClipping : public Clip {
 public:
  bool keep(const Coordinates& position) const override;
};

// A new NoClipping.
std::unique_ptr<const Clip> no_clipping();

}  // namespace clip
}  // namespace tessera

#endif  // TESSERA_CLIP_NO_CLIPPING_H_
