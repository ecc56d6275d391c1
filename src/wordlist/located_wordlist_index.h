// The word index read from its data file through a data source.
#ifndef TESSERA_WORDLIST_LOCATED_WORDLIST_INDEX_H_
#define TESSERA_WORDLIST_LOCATED_WORDLIST_INDEX_H_

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "tessera/language.h"
#include "tessera/optional.h"
#include "wordlist/wordlist_index.h"

namespace tessera {
namespace wordlist {

// The word index over the bytes of "index/wordlist_index.data" (layout in
// wordlist/word_index_format.h). `Source` is data::OnDisk or
// data::InMemory; both behave identically. Only the seeds and the
// table size are held in memory; every lookup reads three slots. Movable,
// not copyable. Thread-safe: an OnDisk source serialises each lookup's
// three slot reads under one view.
template <typename Source>
class LocatedWordlistIndex : public WordlistIndex {
 public:
  // Copies `languages`, the list that slot language numbers count in (1 is
  // its first entry), takes over `source` and reads the seeds and the table
  // size. Throws FileError naming the file when it is too short for its
  // header or for its table, or when the table size is 0.
  LocatedWordlistIndex(const std::vector<Language>& languages, Source&& source);

  LocatedWordlistIndex(LocatedWordlistIndex&&) = default;
  LocatedWordlistIndex& operator=(LocatedWordlistIndex&&) = default;

  // Throws FileError when the selected slot holds a language number beyond
  // the language list, or when the source cannot be read. Never reads
  // outside the table.
  Optional<std::pair<Language, int>> guess_language_and_offset(
      const std::u16string& normalised_word) const override;

 private:
  std::vector<Language> languages;
  Source source;
  std::array<std::uint32_t, 3> seeds;
  std::uint32_t size;
};

extern template class LocatedWordlistIndex<data::OnDisk>;
extern template class LocatedWordlistIndex<data::InMemory>;

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_LOCATED_WORDLIST_INDEX_H_
