// The autosuggest services of one language: the candidate words for one
// word of the input, and exact lookups.
#ifndef TESSERA_AUTOSUGGEST_AUTOSUGGEST_HELPER_H_
#define TESSERA_AUTOSUGGEST_AUTOSUGGEST_HELPER_H_

#include <memory>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_data.h"
#include "autosuggest/levenshtein/mass_levenshtein.h"
#include "autosuggest/levenshtein/similar_word.h"
#include "normalise/normaliser.h"
#include "tessera/language.h"
#include "tessera/optional.h"
#include "wordlist/all_wordlists.h"

namespace tessera {
namespace autosuggest {

// Shared by all threads that run autosuggest in its language: every
// operation is const, and the only mutable state, the similar-word cache,
// locks itself.
class AutosuggestHelper {
 public:
  // The most candidates possibilities_for_word returns.
  static constexpr int kMaxPossibilities = 140;
  // Word numbers from here on are sea words.
  static constexpr int kFirstSeaWord = 25000;

  // Takes over `data`; `wordlists` and `normaliser` must outlive this.
  // Requires: `data` is not null. Throws FileError as MassLevenshtein does.
  AutosuggestHelper(Language language,
                    std::unique_ptr<const AutosuggestData> data,
                    const wordlist::AllWordlists& wordlists,
                    const normalise::Normaliser& normaliser);

  AutosuggestHelper(const AutosuggestHelper&) = delete;
  AutosuggestHelper& operator=(const AutosuggestHelper&) = delete;

  const Language& language() const noexcept { return language_; }
  const AutosuggestData& data() const noexcept { return *data_; }

  // The dictionary words closest to `word` once it is normalised, best
  // first, at most 140: the 140 nearest words; with `include_related` also
  // the members of their rings (at score + 6, see with_related_words);
  // without `include_sea`, no sea word, however it arrived. The search for
  // a normalised word is cached (see MassLevenshtein::similar_words_to).
  // Throws FileError for corrupt data.
  std::shared_ptr<const std::vector<levenshtein::SimilarWord>>
  possibilities_for_word(std::u16string word, bool include_related,
                         bool include_sea) const;

  // The word number of `word` in this helper's language, or empty when it
  // is none of its words (AllWordlists::id_of_exact_match).
  Optional<int> exact_reverse_lookup(const std::u16string& word) const;

  // True for word numbers of 25,000 and above, which the grid only gives to
  // squares at sea.
  static bool is_sea_word(int word_no) noexcept {
    return word_no >= kFirstSeaWord;
  }

  // `words` without sea words, in the same order.
  static std::vector<levenshtein::SimilarWord> filter_out_sea(
      const std::vector<levenshtein::SimilarWord>& words);

  const levenshtein::MassLevenshtein& similarity() const noexcept {
    return similarity_;
  }

 private:
  Language language_;
  std::unique_ptr<const AutosuggestData> data_;
  const wordlist::AllWordlists& wordlists;
  const normalise::Normaliser& normaliser;
  levenshtein::MassLevenshtein similarity_;
};

}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_AUTOSUGGEST_HELPER_H_
