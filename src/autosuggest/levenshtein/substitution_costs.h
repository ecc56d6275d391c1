// The cost of putting one character in place of another in the similar-word
// search.
#ifndef TESSERA_AUTOSUGGEST_LEVENSHTEIN_SUBSTITUTION_COSTS_H_
#define TESSERA_AUTOSUGGEST_LEVENSHTEIN_SUBSTITUTION_COSTS_H_

#include <array>
#include <cstdint>
#include <vector>

#include "autosuggest/autosuggest_data.h"

namespace tessera {
namespace autosuggest {
namespace levenshtein {

// Costs of inserting or deleting one character, of an adjacent
// transposition, of a listed near-miss and of any other substitution.
constexpr std::int32_t kInsertDeleteCost = 12;
constexpr std::int32_t kTranspositionCost = 5;
constexpr std::int32_t kSimilarPairCost = 7;
constexpr std::int32_t kSubstitutionCost = 12;

// Codes are below 128.
constexpr int kCodeLimit = 128;

// A 128 x 128 table of costs indexed [dictionary code][query code], for the
// codes 1 ... c + 1 of c encodable characters: 0 for a code against itself,
// except that c + 1 (any character outside the list) costs 12 even against
// itself; 7 for a listed pair, in the listed direction only; 12 otherwise.
// Immutable; any number of threads may read it.
class SubstitutionCosts {
 public:
  // Throws FileError with an integrity-failure message: "Too many encodable
  // characters." for 127 or more characters, and another for a pair with a
  // code outside 1 ... c + 1.
  SubstitutionCosts(const std::vector<char16_t>& characters,
                    const std::vector<SimilarPair>& pairs);

  // Requires: both codes below 128.
  const std::int32_t* row(std::uint8_t dictionary_code) const noexcept {
    return table_[dictionary_code].data();
  }
  std::int32_t cost(std::uint8_t dictionary_code,
                    std::uint8_t query_code) const noexcept {
    return table_[dictionary_code][query_code];
  }

 private:
  std::array<std::array<std::int32_t, kCodeLimit>, kCodeLimit> table_{};
};

}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_LEVENSHTEIN_SUBSTITUTION_COSTS_H_
