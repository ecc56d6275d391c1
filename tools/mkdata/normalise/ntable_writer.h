// Builds the normalisation table and writes "normalisation/ntable.data".
//
// Entry c of the table, for each UTF-16 code unit c, is made as follows:
// - The apostrophe U+0027 and the right single quotation mark U+2019 map to
//   the empty entry, so "it's" and "its" compare equal; so does U+0000,
//   which no entry can hold.
// - Surrogate code units, unassigned code points and noncharacters map to
//   themselves, as do precomposed Hangul syllables (the engine splits those
//   into conjoining letters before it looks anything up) and the conjoining
//   letters themselves.
// - Every other code unit goes through four steps:
//   1. width folding: a character whose compatibility decomposition is of
//      the wide or narrow type (fullwidth Latin, halfwidth katakana) is
//      replaced by that decomposition, so "Ａ" folds like "A";
//   2. full case folding (ICU, default options), so "ß" becomes "ss";
//   3. canonical decomposition (NFD);
//   4. removal of the non-spacing marks (general category Mn) that belong to
//      no script of their own (script Inherited): the accents shared by
//      Latin, Greek, Cyrillic and others, and the Arabic vowel marks. Marks
//      of a script's own (Devanagari vowel signs and virama, Thai vowels,
//      Hebrew points) spell words and are kept, and so are the kana voicing
//      marks U+3099 and U+309A, so "が" and "か" stay apart.
//   Nothing is recomposed afterwards, so a precomposed character and its
//   decomposed spelling normalise alike: "が" gives "か" U+3099.
// Code units are mapped one at a time: the table cannot rejoin a sequence.
// The result depends on the Unicode data of the ICU that builds it and is
// otherwise deterministic.
#ifndef TESSERA_TOOLS_MKDATA_NORMALISE_NTABLE_WRITER_H_
#define TESSERA_TOOLS_MKDATA_NORMALISE_NTABLE_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// The 65,536 entries described above, entry c being the replacement of code
// unit c. Throws std::runtime_error when ICU fails.
std::vector<std::u16string> normalisation_table();

// The bytes of "ntable.data" for `table`: for each entry in order, its code
// units as little-endian u16 values, then a u16 0. No length word.
// Throws std::invalid_argument unless `table` has 65,536 entries, none of
// which holds the code unit 0.
std::vector<std::uint8_t> ntable_bytes(
    const std::vector<std::u16string>& table);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_NORMALISE_NTABLE_WRITER_H_
