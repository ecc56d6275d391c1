// Pronounceable made-up words, for data sets that need many words of a
// language without a real dictionary (tests, fixtures).
#ifndef TESSERA_TOOLS_MKDATA_SOURCES_SYNTHETIC_WORDS_H_
#define TESSERA_TOOLS_MKDATA_SOURCES_SYNTHETIC_WORDS_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// The sounds a synthetic language builds its syllables from, as UTF-8.
struct Phonology {
  std::vector<std::string>
      onsets;  // may include "" for a vowel-initial syllable
  std::vector<std::string> vowels;
  std::vector<std::string> codas;  // may include ""
  int min_syllables = 2;
  int max_syllables = 3;
  // Length limits of a word, in code points.
  int min_length = 4;
  int max_length = 10;
};

// Latin letters only, English-like spelling.
Phonology latin_phonology();
// Latin letters with umlauts and sharp s, so that words differ from their
// accent-free forms.
Phonology umlaut_phonology();
// Hiragana syllables.
Phonology kana_phonology();

// A stream of distinct words of `phonology`, in a fixed order decided by
// `seed` alone: the same arguments give the same words on every platform.
// Shorter words come first. Candidates rejected by `accept` are skipped, so
// a caller can keep words unique across languages. Throws
// std::runtime_error when fewer than `count` words can be made.
std::vector<std::string> synthetic_words(
    const Phonology& phonology, std::uint64_t seed, int count,
    const std::function<bool(const std::string&)>& accept);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_SOURCES_SYNTHETIC_WORDS_H_
