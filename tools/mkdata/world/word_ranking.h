// Ranking a language's words by how often people use them, from the counts
// of one or more sources.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORD_RANKING_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORD_RANKING_H_

#include <string>
#include <unordered_set>
#include <vector>

#include "mkdata/world/word_counts.h"

namespace tessera {
namespace mkdata {

struct WordFrequency {
  std::string word;                    // lower case, as addresses show it
  std::vector<std::string> spellings;  // as the sources write it, distinct
  double frequency = 0;                // share of the source's running words
};

// The words of `counts` that can be address words, in order of first
// appearance: each word written in lower case, and, when `nouns` is not
// null, each capitalised word that `nouns` lists (a German noun), lower
// cased (see word_case.h). Every other word (a name, an abbreviation in
// capitals) is left out. A word's frequency is its count over the sum of
// all counts of `counts`, left-out words included; a word met in several
// spellings ("essen" and "Essen") adds them up and keeps each spelling.
// Words that are not well-formed UTF-8 are left out.
std::vector<WordFrequency> word_frequencies(
    const std::vector<WordCount>& counts,
    const std::unordered_set<std::string>* nouns);

// Adds each word of `more` to the same word of `*into` (its frequency and
// spellings), or appends it: the two sources count as one of twice the
// size, the share of each kept. Keeps the order of `*into`.
void add_frequencies(std::vector<WordFrequency>* into,
                     const std::vector<WordFrequency>& more);

// The words by frequency, most frequent first; equal frequencies by the
// bytes of the word. The same on every platform (IEEE double arithmetic).
std::vector<std::string> rank_by_frequency(std::vector<WordFrequency> words);

// `ranked`, then the words of `fill` that `ranked` does not hold, in
// order; each word once.
std::vector<std::string> ranked_then_filled(
    const std::vector<std::string>& ranked,
    const std::vector<std::string>& fill);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORD_RANKING_H_
