#include "engine/candidate_ranking.h"

#include <algorithm>
#include <cstddef>

#include "algorithm/three_numbers.h"
#include "core/distance.h"

namespace tessera {
namespace engine {

std::vector<LocatedTWA> locate_and_clip(
    const std::vector<autosuggest::SimilarTWA>& candidates,
    const clip::Clip& clip, const algorithm::AttrData& attractiveness,
    const algorithm::ExcludedAreas& excluded) {
  std::vector<LocatedTWA> located;
  located.reserve(candidates.size());
  for (const autosuggest::SimilarTWA& candidate : candidates) {
    const Optional<Coordinates> position = algorithm::coords_from_three_numbers(
        attractiveness, excluded, candidate.words[0], candidate.words[1],
        candidate.words[2]);
    if (!position.has_value() || !clip.keep(*position)) continue;
    located.push_back(LocatedTWA{candidate.words, candidate.score, *position});
  }
  return located;
}

std::vector<RescoredTWA> rescore_with_focus(
    const std::vector<LocatedTWA>& located, const Coordinates& focus,
    const autosuggest::inputtype::InputType& input_type, int count,
    const Language& language) {
  std::vector<RescoredTWA> rescored;
  rescored.reserve(located.size());
  for (const LocatedTWA& candidate : located) {
    const double distance_m = core::distance(focus, candidate.coords);
    rescored.push_back(
        RescoredTWA{language, candidate.words, candidate.coords,
                    candidate.score + input_type.focus_penalty(distance_m)});
  }
  std::stable_sort(rescored.begin(), rescored.end(),
                   [](const RescoredTWA& a, const RescoredTWA& b) {
                     return a.score < b.score;
                   });
  if (count < 0) count = 0;
  if (rescored.size() > static_cast<std::size_t>(count)) {
    rescored.erase(rescored.begin() + count, rescored.end());
  }
  return rescored;
}

std::vector<RescoredTWA> rescore_no_focus(
    const std::vector<LocatedTWA>& located,
    const autosuggest::inputtype::InputType&, int count,
    const Language& language) {
  const std::size_t kept =
      std::min(located.size(), static_cast<std::size_t>(std::max(count, 0)));
  std::vector<RescoredTWA> rescored;
  rescored.reserve(kept);
  for (std::size_t i = 0; i < kept; ++i) {
    rescored.push_back(RescoredTWA{language, located[i].words,
                                   located[i].coords, located[i].score});
  }
  return rescored;
}

}  // namespace engine
}  // namespace tessera
