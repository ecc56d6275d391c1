// Writes "index/wordlist_index.data", the perfect hash from the normalised
// form of every word of every language to its language and record.
#ifndef TESSERA_TOOLS_MKDATA_WORDLIST_WORD_INDEX_WRITER_H_
#define TESSERA_TOOLS_MKDATA_WORDLIST_WORD_INDEX_WRITER_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tessera/language.h"

namespace tessera {
namespace mkdata {

// One word as the index knows it.
struct IndexedWord {
  // The word's text after normalisation, the key the engine hashes.
  std::u16string normalised;
  // The offset of the word's record in its language's wordlist file.
  std::uint32_t record_offset;
};

// The framed bytes of the word index over `words`, keyed by language.
// `languages` is the language list that slot language numbers count in (1
// for its first entry): every code of "language_codes.txt" in file order,
// including languages without words, which keep their number.
//
// The index is a 3-hypergraph (BDZ) perfect hash of about 1.23 slots per
// word. Seeds come from a fixed-seed generator and are redrawn until every
// key's three slots are distinct and the hypergraph peels completely, so
// the same input always gives the same bytes. Slots that hold no word are
// zero.
//
// Throws std::invalid_argument when two words (of one language or of two)
// have the same normalised form, when a language of `words` is not in
// `languages` or lies beyond its 63rd entry, or when a record offset is not
// below 2^24; std::length_error when the file would exceed 16 MiB; and
// std::runtime_error if no seeds are found, which does not happen for
// distinct keys.
std::vector<std::uint8_t> word_index_file(
    const std::vector<Language>& languages,
    const std::map<Language, std::vector<IndexedWord>>& words);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORDLIST_WORD_INDEX_WRITER_H_
