#include "autosuggest/levenshtein/substitution_costs.h"

#include <cstddef>
#include <string>

#include "data/integrity.h"

namespace tessera {
namespace autosuggest {
namespace levenshtein {
namespace {

// Code c + 1 of c characters must stay below kCodeLimit.
constexpr std::size_t kMaxCharacters = kCodeLimit - 2;

}  // namespace

SubstitutionCosts::SubstitutionCosts(const std::vector<char16_t>& characters,
                                     const std::vector<SimilarPair>& pairs) {
  if (characters.size() > kMaxCharacters) {
    data::integrity_failure("Too many encodable characters.");
  }
  const std::size_t highest = characters.size() + 1;
  for (std::size_t a = 1; a <= highest; ++a) {
    for (std::size_t b = 1; b <= highest; ++b) {
      table_[a][b] = kSubstitutionCost;
    }
  }
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const SimilarPair& pair = pairs[i];
    if (pair.dictionary < 1 || pair.dictionary > highest || pair.query < 1 ||
        pair.query > highest) {
      data::integrity_failure(
          "similar-character pair " + std::to_string(i) +
          " holds a code outside 1 to " + std::to_string(highest));
    }
    table_[pair.dictionary][pair.query] = kSimilarPairCost;
  }
  // Two characters outside the list (both c + 1) are never taken as equal.
  for (std::size_t k = 1; k < highest; ++k) table_[k][k] = 0;
}

}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera
