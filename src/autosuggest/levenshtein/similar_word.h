// One dictionary word found close to a query word, and the order in which
// every list of such words is kept.
#ifndef TESSERA_AUTOSUGGEST_LEVENSHTEIN_SIMILAR_WORD_H_
#define TESSERA_AUTOSUGGEST_LEVENSHTEIN_SIMILAR_WORD_H_

#include <cstdint>

namespace tessera {
namespace autosuggest {
namespace levenshtein {

struct SimilarWord {
  // Word number in the language's wordlist; -1 marks an empty placeholder.
  std::int32_t word_no;
  // Weighted edit distance to the query; smaller is better.
  std::int32_t score;
};

inline bool operator==(const SimilarWord& a, const SimilarWord& b) noexcept {
  return a.word_no == b.word_no && a.score == b.score;
}
inline bool operator!=(const SimilarWord& a, const SimilarWord& b) noexcept {
  return !(a == b);
}

// Strict order by score, then by word number, both ascending: best first,
// and among equal scores the lower word number first.
struct CmpSimilarWordByScore {
  bool operator()(const SimilarWord& a, const SimilarWord& b) const noexcept {
    if (a.score != b.score) return a.score < b.score;
    return a.word_no < b.word_no;
  }
};

}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_LEVENSHTEIN_SIMILAR_WORD_H_
