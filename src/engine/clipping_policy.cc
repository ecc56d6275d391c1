#include "engine/clipping_policy.h"

#include <utility>
#include <vector>

#include "clip/clip_to_bounding_box.h"
#include "clip/clip_to_circle.h"
#include "clip/clip_to_country_outlines.h"
#include "clip/clip_to_polygon.h"
#include "clip/multi_clip.h"
#include "clip/no_clipping.h"

namespace tessera {
namespace engine {

std::unique_ptr<const clip::Clip> clipping_policy(
    const AutosuggestSettings& settings,
    const find_country::CountryFinder& finder) {
  std::vector<std::unique_ptr<const clip::Clip>> clips;
  if (settings.clip_circle) {
    clips.push_back(
        std::make_unique<const clip::ClipToCircle>(*settings.clip_circle));
  }
  if (settings.clip_bounding_box) {
    clips.push_back(std::make_unique<const clip::ClipToBoundingBox>(
        *settings.clip_bounding_box));
  }
  if (settings.clip_polygon) {
    clips.push_back(
        std::make_unique<const clip::ClipToPolygon>(*settings.clip_polygon));
  }
  if (settings.clip_countries) {
    clips.push_back(std::make_unique<const clip::ClipToCountryOutlines>(
        *settings.clip_countries, finder));
  }
  if (clips.empty()) return clip::no_clipping();
  if (clips.size() == 1) return std::move(clips.front());
  return clip::combined_clips(std::move(clips));
}

}  // namespace engine
}  // namespace tessera
