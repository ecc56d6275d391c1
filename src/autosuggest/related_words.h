// Words that the data declares related to each other (a word and its plural,
// for instance), kept as rings: each word names the next word of its ring.
#ifndef TESSERA_AUTOSUGGEST_RELATED_WORDS_H_
#define TESSERA_AUTOSUGGEST_RELATED_WORDS_H_

#include <vector>

#include "autosuggest/autosuggest_data.h"
#include "autosuggest/levenshtein/similar_word.h"

namespace tessera {
namespace autosuggest {

// A related word scores this much more than the word it was found through.
constexpr int kRelatedWordPenalty = 6;

// The other members of the ring of word `word_no`, in ring order starting
// after it; empty when it has no related words. Throws FileError with an
// integrity-failure message when `word_no` lies outside the related-words
// map (the data's rings were checked when it was read, so the walk ends).
std::vector<int> related_word_numbers(const AutosuggestData& data, int word_no);

// `words` with the members of their rings added at the word's score + 6,
// sorted by CmpSimilarWordByScore, each word number once. A word number
// that arrives more than once keeps its lowest score (the first of equal
// ones). Throws as related_word_numbers.
std::vector<levenshtein::SimilarWord> with_related_words(
    const AutosuggestData& data,
    const std::vector<levenshtein::SimilarWord>& words);

}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_RELATED_WORDS_H_
