// The writer of a language's ".autosuggest" file: the table that the
// similar-word search scans, the character encoding it uses, the pairs of
// characters it treats as near-misses, and the rings of related words.
#ifndef TESSERA_TOOLS_MKDATA_AUTOSUGGEST_AUTOSUGGEST_WRITER_H_
#define TESSERA_TOOLS_MKDATA_AUTOSUGGEST_AUTOSUGGEST_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// Two characters that people often confuse when typing or hearing a word:
// a stored word holding `dictionary` where the user gave `query` is a cheaper
// substitution than any other. One direction only; the reverse is its own
// pair.
struct SimilarCharacterPair {
  char16_t dictionary;
  char16_t query;
};

// The pairs used when a language brings none of its own, in both directions:
// c/k, s/z, i/y, m/n, b/p, d/t, f/v, g/j, c/s, k/q and v/w.
const std::vector<SimilarCharacterPair>& default_similar_character_pairs();

// The framed bytes of an ".autosuggest" file (layout in
// autosuggest/autosuggest_format.h).
//
// `words[i]` is word number i of the language, already normalised. Every
// distinct code unit of `words` becomes encodable, in ascending order. The
// search table holds each word whose length is 1 to 31 code units, sorted by
// its code string and then by word number; empty words and words longer than
// 31 code units are left out (the search cannot score them), though their
// characters stay encodable.
//
// Each group of `related_groups` becomes a ring in the order given: the map
// entry of group[j] holds group[j + 1], and that of the last member holds
// group[0]. Words in no group hold their own number. A group of one member
// is a ring of one.
//
// `pairs` whose characters are not both encodable, that pair a character
// with itself, or that repeat an earlier pair are skipped; the others are
// written in the order given.
//
// Throws std::runtime_error when `words` hold more than 126 distinct code
// units (the data set cannot be encoded); std::invalid_argument when there
// are more than 65,536 words, or when a group names a word number outside
// `words` or a word already in a group; std::length_error when the file would
// exceed 16 MiB.
std::vector<std::uint8_t> build_autosuggest_file(
    const std::vector<std::u16string>& words,
    const std::vector<std::vector<int>>& related_groups,
    const std::vector<SimilarCharacterPair>& pairs);

// Groups of related words made from suffixed forms: a word w and w + s, for
// each s of `suffixes` with w + s among `words`, are related ("cat" and
// "cats"; "box" and "boxes" with the suffix "es"). The relation is closed
// transitively ("a", "as" and "ass" make one group), so no word is in two
// groups. Empty words and empty suffixes relate nothing.
//
// Each group lists word numbers (indices into `words`) in ascending order;
// groups are in ascending order of their first member, and only groups of
// two or more words are returned.
std::vector<std::vector<int>> related_groups_by_suffix(
    const std::vector<std::u16string>& words,
    const std::vector<std::u16string>& suffixes);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_AUTOSUGGEST_AUTOSUGGEST_WRITER_H_
