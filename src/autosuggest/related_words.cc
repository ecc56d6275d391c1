#include "autosuggest/related_words.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "data/integrity.h"

namespace tessera {
namespace autosuggest {

using levenshtein::SimilarWord;

std::vector<int> related_word_numbers(const AutosuggestData& data,
                                      int word_no) {
  std::vector<int> related;
  // A ring visits each entry of the map at most once; the bound only guards
  // against data that escaped the checks.
  const std::uint32_t limit = data.related_ids_cyclic_map_size();
  for (int next = data.related_word(word_no); next != word_no;
       next = data.related_word(next)) {
    if (related.size() >= limit) {
      data::integrity_failure("the ring of related words of word " +
                                    std::to_string(word_no) +
                                    " does not return to it");
    }
    related.push_back(next);
  }
  return related;
}

std::vector<SimilarWord> with_related_words(
    const AutosuggestData& data, const std::vector<SimilarWord>& words) {
  std::map<int, SimilarWord> best;
  for (const SimilarWord& word : words) {
    const auto inserted = best.emplace(word.word_no, word);
    if (!inserted.second && word.score < inserted.first->second.score) {
      inserted.first->second = word;
    }
  }
  for (const SimilarWord& word : words) {
    const int score = word.score + kRelatedWordPenalty;
    for (int related : related_word_numbers(data, word.word_no)) {
      const auto inserted = best.emplace(related, SimilarWord{related, score});
      if (!inserted.second && inserted.first->second.score > score) {
        inserted.first->second.score = score;
      }
    }
  }
  std::vector<SimilarWord> result;
  result.reserve(best.size());
  for (const auto& entry : best) result.push_back(entry.second);
  std::sort(result.begin(), result.end(), levenshtein::CmpSimilarWordByScore());
  return result;
}

}  // namespace autosuggest
}  // namespace tessera
