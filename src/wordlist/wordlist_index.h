// The cross-language word index: from a normalised word to the language and
// wordlist record that may hold it.
#ifndef TESSERA_WORDLIST_WORDLIST_INDEX_H_
#define TESSERA_WORDLIST_WORDLIST_INDEX_H_

#include <string>
#include <utility>

#include "tessera/language.h"
#include "tessera/optional.h"

namespace tessera {
namespace wordlist {

// A perfect hash over the normalised forms of the words of every language.
// It maps every input, word or not, to one candidate: callers confirm a hit
// by reading the record and comparing its normalised text. Implementations
// are immutable after construction and safe to share between threads.
class WordlistIndex {
 public:
  // The language and record offset (in that language's wordlist file) that
  // the index holds for `normalised_word`, or empty when its slot holds no
  // word. Requires: `normalised_word` is already normalised.
  // Throws FileError when the index data is corrupt.
  virtual Optional<std::pair<Language, int>> guess_language_and_offset(
      const std::u16string& normalised_word) const = 0;

  virtual ~WordlistIndex() = default;
};

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_WORDLIST_INDEX_H_
