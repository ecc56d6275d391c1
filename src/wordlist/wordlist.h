// The numbered words of one language, from which its addresses are made.
#ifndef TESSERA_WORDLIST_WORDLIST_H_
#define TESSERA_WORDLIST_WORDLIST_H_

#include <string>
#include <utility>

#include "tessera/language.h"

namespace tessera {
namespace wordlist {

// A read-only wordlist: word numbers 0 ... length() - 1, each with its UTF-8
// text exactly as stored (case and accents kept, nothing normalised).
// Implementations are immutable and safe to use from any number of threads.
class Wordlist {
 public:
  // The language whose words these are.
  virtual Language language() const = 0;

  // The text of word `i`.
  // Throws FileError with an integrity-failure message naming the number
  // when i < 0 or i >= length() (word numbers come from data files, so a
  // number outside the list means corrupt data), and FileError when the
  // file itself is corrupt (an offset outside it, a text without
  // terminator).
  virtual std::string word_no(int i) const = 0;

  // The number of words N, at most 65,536.
  virtual int length() const noexcept = 0;

  // The word number (0 ... 65,535) and text of the record at record offset
  // `r`, as the word index stores it. Throws FileError when `r` or its text
  // lies outside the file or the text has no terminator. Any `r` inside the
  // file reads something; only offsets of records give a real word.
  virtual std::pair<int, std::string> at_offset(int r) const = 0;

  virtual ~Wordlist() = default;
};

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_WORDLIST_H_
