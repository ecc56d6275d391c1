// The placing, clipping and ranking of candidate addresses in one language,
// between the input types that propose them and the suggestions returned.
#ifndef TESSERA_ENGINE_CANDIDATE_RANKING_H_
#define TESSERA_ENGINE_CANDIDATE_RANKING_H_

#include <array>
#include <cstdint>
#include <vector>

#include "algorithm/attr_data.h"
#include "algorithm/excluded_areas.h"
#include "autosuggest/inputtype/input_type.h"
#include "autosuggest/similar_twa.h"
#include "clip/clip.h"
#include "tessera/coordinates.h"
#include "tessera/language.h"

namespace tessera {
namespace engine {

// A candidate placed on the map.
struct LocatedTWA {
  std::array<std::int32_t, 3> words;
  double score;
  Coordinates coords;
};

// A placed candidate with its final ranking score.
struct RescoredTWA {
  Language language;
  std::array<std::int32_t, 3> words;
  Coordinates coords;
  double score;
};

// Each candidate placed at the centre of the square its word numbers name,
// in input order; a candidate that names no square, or whose square `clip`
// does not keep, is dropped.
std::vector<LocatedTWA> locate_and_clip(
    const std::vector<autosuggest::SimilarTWA>& candidates,
    const clip::Clip& clip, const algorithm::AttrData& attractiveness,
    const algorithm::ExcludedAreas& excluded);

// The `count` best candidates by score plus the input type's penalty for
// their distance from `focus`; equal totals keep their order.
std::vector<RescoredTWA> rescore_with_focus(
    const std::vector<LocatedTWA>& located, const Coordinates& focus,
    const autosuggest::inputtype::InputType& input_type, int count,
    const Language& language);

// The first `count` candidates, in their order, with their own scores.
std::vector<RescoredTWA> rescore_no_focus(
    const std::vector<LocatedTWA>& located,
    const autosuggest::inputtype::InputType& input_type, int count,
    const Language& language);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_CANDIDATE_RANKING_H_
