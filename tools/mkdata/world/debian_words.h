// The words of the world data set's languages, taken from the word lists
// that Debian installs under /usr/share/dict and cleaned for use in
// addresses; the same rules judge words from other sources.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_DEBIAN_WORDS_H_
#define TESSERA_TOOLS_MKDATA_WORLD_DEBIAN_WORDS_H_

#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mkdata/world/blocklist.h"

namespace tessera {
namespace mkdata {

// One language's Debian word list, read once. Not copyable; not
// thread-safe.
class WordCleaner {
 public:
  // Reads `list`, one word a line, of language `code` (one of en, de, fr,
  // es, it, pt, nl, sv, pl). Lines may end in "\r\n"; the list may be UTF-8
  // (with or without a byte order mark) or, when it is not well-formed
  // UTF-8 as a whole, ISO-8859-1. `blocklist` must outlive this.
  //
  // Throws std::invalid_argument when `code` is not one of those
  // languages.
  WordCleaner(const std::string& code, std::istream& list,
              const Blocklist& blocklist);
  ~WordCleaner();
  WordCleaner(const WordCleaner&) = delete;
  WordCleaner& operator=(const WordCleaner&) = delete;

  // The clean words of the list, best first.
  //
  // A word is kept when, once composed to NFC:
  //   - every character is a lower-case letter of the language's alphabet:
  //     a to z (Italian without j, k, w, x, y; Polish without q, v, x) and
  //     the accented letters the language writes (German ä ö ü ß, Swedish
  //     å ä ö é, ...), so capitalised names, abbreviations, digits,
  //     hyphens, apostrophes and possessives ("'s") go;
  //   - it has 4 to 10 characters (code points);
  //   - it has a vowel (a, e, i, o, u, y or an accented vowel), is not a
  //     Roman numeral ("lxvi") and holds no letter three times in a row
  //     ("oooh");
  //   - it does not look like an abbreviation: a word whose leading or
  //     trailing run of two or more consonants is shared by fewer than 3
  //     words of the list ("acct", "govt") goes, unless the list holds an
  //     inflected form of it or it is an inflected form of a word of the
  //     list ("depth" and "depths" stay for each other; see
  //     word_endings.h);
  //   - the blocklist does not block it, with the list's words as its
  //     lexicon.
  // Each word is kept once.
  //
  // Order, "shortest and most ordinary first": the lists carry no
  // frequencies, so words are sorted by
  //   1. length in characters plus the word's tier, shortest first; the
  //      tier puts base forms before inflected ones, with the regular
  //      endings of the language (see word_endings.h): 0 for lemmas, words
  //      whose inflected forms the list holds ("walk" beside "walks"); 1
  //      for words neither inflecting nor inflected ("during"); 2 for
  //      inflected forms, words that undoing an ending turns into another
  //      word of the list ("walked", "parlons");
  //   2. the tier;
  //   3. how ordinary the word's spelling is for the language: the sum
  //      over its letter pairs, the start and the end of the word
  //      included, of -log2 of how often the first letter of the pair goes
  //      on with the second in the kept words that are not inflected forms
  //      (add-one smoothed), in integer fixed point so that every platform
  //      agrees;
  //   4. the bytes of the word.
  // The result is the same on every platform for the same input.
  std::vector<std::string> clean_words() const;

  // True when `word`, from this list or not, is UTF-8 in NFC and passes
  // the checks above, judged against this list: its consonant runs are
  // rare when few words of the list share them (a run no word of the list
  // has is rare), and its forms are the words of the list; besides, it is
  // blocked when any base form that undoing an ending gives is blocked,
  // whether or not the list holds it ("rapes" without "rape").
  bool accepts(std::string_view word) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// WordCleaner(code, list, blocklist).clean_words().
std::vector<std::string> clean_words(const std::string& code,
                                     std::istream& list,
                                     const Blocklist& blocklist);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_DEBIAN_WORDS_H_
