#include "autosuggest/autosuggest_helper.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "autosuggest/related_words.h"

namespace tessera {
namespace autosuggest {

using levenshtein::SimilarWord;

AutosuggestHelper::AutosuggestHelper(
    Language language, std::unique_ptr<const AutosuggestData> data,
    const wordlist::AllWordlists& wordlists,
    const normalise::Normaliser& normaliser)
    : language_(std::move(language)),
      data_(std::move(data)),
      wordlists(wordlists),
      normaliser(normaliser),
      similarity_(*data_) {}

std::shared_ptr<const std::vector<SimilarWord>>
AutosuggestHelper::possibilities_for_word(std::u16string word,
                                          bool include_related,
                                          bool include_sea) const {
  const std::u16string normalised = normaliser.normalise_u16(word);
  std::vector<SimilarWord> words =
      *similarity_.similar_words_to(normalised, kMaxPossibilities);
  if (include_related) words = with_related_words(*data_, words);
  if (!include_sea) words = filter_out_sea(words);
  if (words.size() > static_cast<std::size_t>(kMaxPossibilities)) {
    words.resize(kMaxPossibilities);
  }
  return std::make_shared<const std::vector<SimilarWord>>(std::move(words));
}

Optional<int> AutosuggestHelper::exact_reverse_lookup(
    const std::u16string& word) const {
  return wordlists.id_of_exact_match(word, language_);
}

std::vector<SimilarWord> AutosuggestHelper::filter_out_sea(
    const std::vector<SimilarWord>& words) {
  std::vector<SimilarWord> land;
  land.reserve(words.size());
  std::copy_if(words.begin(), words.end(), std::back_inserter(land),
               [](const SimilarWord& w) { return !is_sea_word(w.word_no); });
  return land;
}

}  // namespace autosuggest
}  // namespace tessera
