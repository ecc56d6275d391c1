// Several clips at once.
#ifndef TESSERA_CLIP_MULTI_CLIP_H_
#define TESSERA_CLIP_MULTI_CLIP_H_

#include <memory>
#include <vector>

#include "clip/clip.h"

namespace tessera {
namespace clip {

// Keeps the positions every member keeps. Members are asked in their order
// and the first refusal ends the test, so cheap clips placed first spare the
// costly ones. With no members it keeps everything.
class MultiClip : public Clip {
 public:
  // Requires: no member is null.
  explicit MultiClip(std::vector<std::unique_ptr<const Clip>> clips);

  // Throws what a member's keep throws.
  bool keep(const Coordinates& position) const override;

  const std::vector<std::unique_ptr<const Clip>>& clips() const {
    return clips_;
  }

 private:
  std::vector<std::unique_ptr<const Clip>> clips_;
};

// A new MultiClip of `clips`, in their order.
std::unique_ptr<const Clip> combined_clips(
    std::vector<std::unique_ptr<const Clip>> clips);

}  // namespace clip
}  // namespace tessera

#endif  // TESSERA_CLIP_MULTI_CLIP_H_
