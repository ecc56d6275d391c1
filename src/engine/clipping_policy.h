// The one clip that stands for the clipping fields of the settings.
#ifndef TESSERA_ENGINE_CLIPPING_POLICY_H_
#define TESSERA_ENGINE_CLIPPING_POLICY_H_

#include <memory>

#include "clip/clip.h"
#include "engine/autosuggest_settings.h"
#include "find_country/country_finder.h"

namespace tessera {
namespace engine {

// A clip per clipping field that is set, in this order: circle, bounding
// box, polygon, countries (the cheap tests first). No field set gives a
// NoClipping, one field its clip alone, several a MultiClip of them in that
// order. The countries are taken as the settings hold them; the caller
// widens them with the disputed areas first.
//
// `finder` must outlive the result when clip_countries is set. Throws what
// the ClipToPolygon constructor throws.
std::unique_ptr<const clip::Clip> clipping_policy(
    const AutosuggestSettings& settings,
    const find_country::CountryFinder& finder);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_CLIPPING_POLICY_H_
