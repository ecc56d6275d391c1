#include "clip/multi_clip.h"

#include <utility>

namespace tessera {
namespace clip {

MultiClip::MultiClip(std::vector<std::unique_ptr<const Clip>> clips)
    : clips_(std::move(clips)) {}

bool MultiClip::keep(const Coordinates& position) const {
  for (const auto& clip : clips_) {
    if (!clip->keep(position)) return false;
  }
  return true;
}

std::unique_ptr<const Clip> combined_clips(
    std::vector<std::unique_ptr<const Clip>> clips) {
  return std::make_unique<const MultiClip>(std::move(clips));
}

}  // namespace clip
}  // namespace tessera
