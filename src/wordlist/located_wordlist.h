// A wordlist read from its file through a data source.
#ifndef TESSERA_WORDLIST_LOCATED_WORDLIST_H_
#define TESSERA_WORDLIST_LOCATED_WORDLIST_H_

#include <cstdint>
#include <string>
#include <utility>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "tessera/language.h"
#include "wordlist/wordlist.h"

namespace tessera {
namespace wordlist {

// A Wordlist over a ".wordlist" file held by `Source`, data::OnDisk or
// data::InMemory; both give identical results. Nothing is cached:
// every call reads the file through a short-lived view of its own. Owns its
// source; movable, not copyable. Thread-safe.
template <typename Source>
class LocatedWordlist : public Wordlist {
 public:
  // Takes over `source` and reads the word count N at offset 4.
  // Throws FileError with an integrity-failure message when the file is too
  // short for its header, when N > 65,536, or when the table of N text
  // offsets does not fit in the file.
  LocatedWordlist(Language language, Source&& source);

  LocatedWordlist(LocatedWordlist&&) = default;
  LocatedWordlist& operator=(LocatedWordlist&&) = default;

  Language language() const override;
  // See Wordlist: FileError for i outside 0 ... N-1 or corrupt data.
  std::string word_no(int i) const override;
  int length() const noexcept override;
  std::pair<int, std::string> at_offset(int r) const override;

 private:
  Language language_;
  Source source;
  std::int32_t length_;
};

extern template class LocatedWordlist<data::OnDisk>;
extern template class LocatedWordlist<data::InMemory>;

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_LOCATED_WORDLIST_H_
