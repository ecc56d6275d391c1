// The words of the world data set's languages, taken from the word lists
// that Debian installs under /usr/share/dict and cleaned for use in
// addresses.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_DEBIAN_WORDS_H_
#define TESSERA_TOOLS_MKDATA_WORLD_DEBIAN_WORDS_H_

#include <istream>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// A language of the world data set and the Debian word list it draws from.
struct WorldLanguage {
  std::string code;            // "en"
  std::string dict_file;       // "/usr/share/dict/american-english"
  std::string debian_package;  // "wamerican", for error messages / install
};

// en, de, fr, es, it, pt, nl, sv, pl in this order. Thread-safe.
const std::vector<WorldLanguage>& world_languages();

// The clean words of one language's Debian word list, best first.
//
// Throws std::runtime_error naming the file (and the Debian package that
// installs it) when it cannot be read, and std::invalid_argument when the
// language is not one of world_languages().
std::vector<std::string> clean_words(const WorldLanguage& language);

// The same from any stream holding one word a line. Lines may end in "\r\n";
// the list may be UTF-8 (with or without a byte order mark) or, when it is
// not well-formed UTF-8 as a whole, ISO-8859-1.
//
// A word is kept when, once composed to NFC:
//   - every character is a lower-case letter of `code`'s alphabet: a to z
//     (Italian without j, k, w, x, y; Polish without q, v, x) and the
//     accented letters the language writes (German ä ö ü ß, Swedish å ä ö é,
//     ...), so capitalised names, abbreviations, digits, hyphens, apostrophes
//     and possessives ("'s") go;
//   - it has 4 to 10 characters (code points);
//   - it has a vowel (a, e, i, o, u, y or an accented vowel), is not a Roman
//     numeral ("lxvi") and holds no letter three times in a row ("oooh");
//   - it does not look like an abbreviation: a word whose leading or trailing
//     run of two or more consonants is shared by fewer than 3 words of the
//     list ("acct", "govt") goes, unless the list holds an inflected form of
//     it or it is an inflected form of a word of the list ("depth" and
//     "depths" stay for each other; see word_endings.h);
//   - it is not offensive (see blocklist.h).
// Each word is kept once.
//
// Order, "shortest and most ordinary first": the lists carry no frequencies,
// so words are sorted by
//   1. length in characters plus the word's tier, shortest first; the tier
//      puts base forms before inflected ones, with the regular endings of
//      the language (see word_endings.h): 0 for lemmas, words whose
//      inflected forms the list holds ("walk" beside "walks"); 1 for words
//      neither inflecting nor inflected ("during"); 2 for inflected forms,
//      words that undoing an ending turns into another word of the list
//      ("walked", "parlons");
//   2. the tier;
//   3. how ordinary the word's spelling is for the language: the sum over
//      its letter pairs, the start and the end of the word included, of
//      -log2 of how often the first letter of the pair goes on with the
//      second in the kept words that are not inflected forms (add-one
//      smoothed), in integer fixed point so that every platform agrees;
//   4. the bytes of the word.
// The result is the same on every platform for the same input.
//
// Throws std::invalid_argument when `code` is not one of world_languages().
std::vector<std::string> clean_words(const std::string& code,
                                     std::istream& list);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_DEBIAN_WORDS_H_
