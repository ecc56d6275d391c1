// Clipping rules: which positions autosuggest may suggest at all.
#ifndef TESSERA_CLIP_CLIP_H_
#define TESSERA_CLIP_CLIP_H_

#include "tessera/coordinates.h"

namespace tessera {
namespace clip {

// One rule over positions. Clips are built per autosuggest call; keep() is
// const and reentrant, so a clip may be asked from several threads at once.
class Clip {
 public:
  virtual ~Clip() = default;

  // Whether `position` may be suggested. Throws only what the country
  // finder of a country clip throws (FileError for a corrupt outline).
  virtual bool keep(const Coordinates& position) const = 0;
};

}  // namespace clip
}  // namespace tessera

#endif  // TESSERA_CLIP_CLIP_H_
