// The best three-word combinations of candidate words, in order of
// increasing total distance, found without building the product of the
// candidate lists.
#ifndef TESSERA_AUTOSUGGEST_COMBINE_WORD_SUGGESTIONS_H_
#define TESSERA_AUTOSUGGEST_COMBINE_WORD_SUGGESTIONS_H_

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "autosuggest/levenshtein/similar_word.h"
#include "autosuggest/similar_twa.h"

namespace tessera {
namespace autosuggest {

// One run of the combination over a list of OptionsForEachSlot. Each
// combination is a cell (i0, i1, i2) of the grid of one OptionsForEachSlot,
// scored by the sum of the three candidates' scores. Cells are explored
// best first from a heap: a cell is pushed only from its one predecessor
// (along the first index, or the second when the first is 0, or the third
// when the first two are 0), so every cell is met at most once, and only
// the n best cells and their frontier are ever made.
//
// Not thread-safe; a run is local to one call.
class CombineWordSuggestions {
 public:
  struct Choice {
    std::int32_t seq;     // creation number, from 1
    std::int32_t option;  // index of the OptionsForEachSlot
    std::int32_t i0, i1, i2;
    // The sum of three scores. Wider than a score, so that no sum of three
    // scores overflows.
    std::int64_t score;
  };

  // For a heap that yields the smallest score first and, among equal
  // scores, the smallest seq.
  struct CmpChoiceByReverseScore {
    bool operator()(const Choice& a, const Choice& b) const noexcept {
      if (a.score != b.score) return a.score > b.score;
      return a.seq > b.seq;
    }
  };

  // `options` must outlive the run.
  CombineWordSuggestions(const std::vector<OptionsForEachSlot>& options, int n);

  // The at most n best combinations, in non-decreasing total score; among
  // equal totals, the cell made first comes first. A word triple met again
  // (through another OptionsForEachSlot) is emitted only the first time,
  // with its best score. An OptionsForEachSlot with an empty list gives
  // nothing. Call once.
  std::vector<SimilarTWA> operator()();

 private:
  void push(std::int32_t option, std::int32_t i0, std::int32_t i1,
            std::int32_t i2);

  const std::vector<OptionsForEachSlot>* options;
  int n;
  std::vector<Choice> heap;
  std::vector<SimilarTWA> results;
  std::unordered_set<std::int64_t> emitted;
  std::int32_t next_seq = 1;
};

// The best n combinations of one candidate list per word position.
std::vector<SimilarTWA> combine_word_suggestions(
    const std::vector<levenshtein::SimilarWord>& first,
    const std::vector<levenshtein::SimilarWord>& second,
    const std::vector<levenshtein::SimilarWord>& third, int n);

// The best n combinations over several OptionsForEachSlot (see
// CombineWordSuggestions).
std::vector<SimilarTWA> combine_word_suggestions(
    const std::vector<OptionsForEachSlot>& options, int n);

}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_COMBINE_WORD_SUGGESTIONS_H_
