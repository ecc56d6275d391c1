// Layout of a language's ".autosuggest" file, shared by its reader and by the
// data builder's writer.
//
// All integers are little-endian and every offset is absolute, counted from
// the start of the file:
//
//   0   u32  length of the whole file, this field included (the framing of
//            every data file)
//   4   u32  offset of the Levenshtein section
//   8   u32  offset of the encoding section
//   12  u32  number of entries of the related-words map
//   16  u16 x entries  related-words map: entry k holds the number of the
//            next word in word k's ring of related words; a word without
//            related words holds its own number
//
// Encoding section:
//   u32  c, the number of encodable characters (at most 126)
//   u16 x c  the encodable UTF-16 code units in ascending order; the one at
//            position i (from 0) has code i + 1, and every other code unit
//            encodes as c + 1
//   u32  p, the number of similar-character pairs
//   2 bytes x p  each pair: the code on the dictionary side, then the code on
//            the query side
//
// Levenshtein section:
//   u32  N, the number of entries (at most 1,048,576)
//   u16 x N  word number of each entry
//   u8 x N   length of the prefix the entry shares with the previous entry,
//            in codes (0 for the first entry)
//   u8 x N   length of the entry in codes (1 to 31)
//   bytes    the entries' codes, one byte per character, concatenated in
//            entry order without separators
//
// Entries are sorted so that neighbours share prefixes, and the shared-prefix
// counts are exact: the similar-word search reuses the rows of the shared
// prefix from the previous entry.
#ifndef TESSERA_AUTOSUGGEST_AUTOSUGGEST_FORMAT_H_
#define TESSERA_AUTOSUGGEST_AUTOSUGGEST_FORMAT_H_

#include <cstdint>
#include <string>

#include "data/language_files.h"

namespace tessera {
namespace autosuggest {

inline constexpr char kAutosuggestExtension[] = ".autosuggest";

// Offsets of the header fields.
constexpr std::uint32_t kLevenshteinOffsetField = 4;
constexpr std::uint32_t kEncodingOffsetField = 8;
constexpr std::uint32_t kRelatedMapSizeField = 12;
constexpr std::uint32_t kRelatedMapOffset = 16;

// Widths of the repeated fields, in bytes.
constexpr std::uint32_t kRelatedMapEntrySize = 2;
constexpr std::uint32_t kEncodableCharacterSize = 2;
constexpr std::uint32_t kSimilarPairSize = 2;
constexpr std::uint32_t kEntryWordNumberSize = 2;

// Limits. Codes are single bytes below 128 (the cost table is 128 x 128), and
// code c + 1 is reserved for characters outside the list, so at most 126
// characters are encodable.
constexpr std::uint32_t kMaxEncodableCharacters = 126;
constexpr std::uint32_t kMaxEntries = 1048576;
constexpr std::uint32_t kMaxEntryLength = 31;

// The code of the encodable character at position 0.
constexpr std::uint8_t kFirstCode = 1;

// Offset of the related-words map entry of word k. Requires: k < 65536 (word
// numbers are 16-bit), so the result cannot overflow.
constexpr std::uint32_t related_map_entry_offset(std::uint32_t k) noexcept {
  return kRelatedMapOffset + kRelatedMapEntrySize * k;
}

// Name of the autosuggest file of the language with code `code`, relative to
// the data directory: "languages/<code>/<code>.autosuggest".
inline std::string autosuggest_file_name(const std::string& code) {
  return data::language_file_name(code, kAutosuggestExtension);
}

}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_AUTOSUGGEST_FORMAT_H_
