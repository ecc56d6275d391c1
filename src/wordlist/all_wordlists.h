// The wordlists of every language together with the word index: the
// lookups from caller words to languages and word numbers.
#ifndef TESSERA_WORDLIST_ALL_WORDLISTS_H_
#define TESSERA_WORDLIST_ALL_WORDLISTS_H_

#include <array>
#include <set>
#include <string>
#include <utility>

#include "tessera/language.h"
#include "tessera/optional.h"
#include "wordlist/wordlist.h"

namespace tessera {
namespace wordlist {

// Words are raw caller text in UTF-16; every operation normalises them
// itself and confirms each index hit against the wordlist record, so a word
// is found only when its normalised form equals that of a stored word.
// A miss is an empty result, never an exception. Implementations are
// immutable after construction and safe to share between threads.
//
// Every operation may throw FileError when a data file turns out to be
// corrupt.
class AllWordlists {
 public:
  // The wordlist of `language`. Throws std::out_of_range ("map::at") when
  // that language has no wordlist.
  virtual const Wordlist& wordlist(Language language) const = 0;

  // The language shared by all three words and their word numbers, in
  // order; empty when a word is not found or the words are not all of one
  // language.
  virtual Optional<std::pair<Language, std::array<int, 3>>> decode(
      const std::array<std::u16string, 3>& words) const = 0;

  // The language of `word`, or empty when it is no word of any wordlist.
  virtual Optional<Language> find_language(
      const std::u16string& word) const = 0;

  // The languages of those of `words` that are found; at most three.
  virtual std::set<Language> languages_used_in(
      const std::array<std::u16string, 3>& words) const = 0;

  // The word number of `word` in `language`, or empty when it is no word of
  // that language's wordlist.
  virtual Optional<int> id_of_exact_match(const std::u16string& word,
                                          Language language) const = 0;

  virtual ~AllWordlists() = default;
};

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_ALL_WORDLISTS_H_
