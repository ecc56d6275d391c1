// The similar-word search: every dictionary word of a language scored
// against a query word in one pass, keeping the best.
#ifndef TESSERA_AUTOSUGGEST_LEVENSHTEIN_MASS_LEVENSHTEIN_H_
#define TESSERA_AUTOSUGGEST_LEVENSHTEIN_MASS_LEVENSHTEIN_H_

#include <memory>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_data.h"
#include "autosuggest/levenshtein/encoder.h"
#include "autosuggest/levenshtein/similar_word.h"
#include "autosuggest/levenshtein/substitution_costs.h"
#include "cache/cache.h"

namespace tessera {
namespace autosuggest {
namespace levenshtein {

// The number of recent queries whose results are kept.
constexpr std::int32_t kSimilarWordCacheCapacity = 30;

// Scores dictionary words against a query with a weighted Damerau-Levenshtein
// distance (optimal string alignment): inserting or deleting a character
// costs 12, substituting one costs SubstitutionCosts (0, 7 or 12), and
// swapping two adjacent characters costs 5. Only the first 31 characters of
// the query count.
//
// Thread-safe: the search is const, and the cache of recent results locks
// itself and is never locked during a search.
class MassLevenshtein {
 public:
  // `data` must outlive this. Throws FileError as Encoder and
  // SubstitutionCosts do (not for data that AutosuggestData accepted).
  explicit MassLevenshtein(const AutosuggestData& data);

  MassLevenshtein(const MassLevenshtein&) = delete;
  MassLevenshtein& operator=(const MassLevenshtein&) = delete;

  // The result of recompute_similar_words_to for `normalised`, taken from the
  // cache of the last 30 queries when it is there (whatever n it was made
  // with; `n` then plays no part), else computed without holding the cache's
  // lock and cached. The vector is shared and never modified. When two
  // threads miss on the same word, both compute it, the first stored result
  // stays cached, and each gets the one it computed.
  std::shared_ptr<const std::vector<SimilarWord>> similar_words_to(
      const std::u16string& normalised, int n) const;

  // The at most `n` dictionary words closest to `normalised` (which must
  // already be normalised), best first by CmpSimilarWordByScore; empty for
  // n <= 0. Entries are taken in table order and a word is only kept when it
  // scores strictly below the worst of a full list, so among words tied at
  // the cut-off the earlier entries tend to win. Allocates only the result
  // and a heap of n + 1 entries.
  std::vector<SimilarWord> recompute_similar_words_to(
      const std::u16string& normalised, int n) const;

 private:
  SubstitutionCosts costs;
  Encoder encoder;
  const LevenshteinTable* table;
  mutable cache::Cache<std::u16string,
                       std::shared_ptr<const std::vector<SimilarWord>>>
      similar_words_cache;
};

}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_LEVENSHTEIN_MASS_LEVENSHTEIN_H_
