// A candidate three-word address before it is placed on the map, and the
// candidate words of each word position from which candidates are made.
#ifndef TESSERA_AUTOSUGGEST_SIMILAR_TWA_H_
#define TESSERA_AUTOSUGGEST_SIMILAR_TWA_H_

#include <array>
#include <cstdint>
#include <vector>

#include "autosuggest/levenshtein/similar_word.h"

namespace tessera {
namespace autosuggest {

struct SimilarTWA {
  // Word numbers of the first, second and third word.
  std::array<std::int32_t, 3> words;
  // Total distance; smaller is better.
  double score;
};

inline bool operator==(const SimilarTWA& a, const SimilarTWA& b) noexcept {
  return a.words == b.words && a.score == b.score;
}
inline bool operator!=(const SimilarTWA& a, const SimilarTWA& b) noexcept {
  return !(a == b);
}

// The candidate words of the first, second and third word position, each
// list best first.
using OptionsForEachSlot = std::array<std::vector<levenshtein::SimilarWord>, 3>;

}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_SIMILAR_TWA_H_
