// All wordlists and the word index, read through data sources.
#ifndef TESSERA_WORDLIST_LOCATED_ALL_WORDLISTS_H_
#define TESSERA_WORDLIST_LOCATED_ALL_WORDLISTS_H_

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "normalise/normaliser.h"
#include "tessera/language.h"
#include "tessera/optional.h"
#include "wordlist/all_wordlists.h"
#include "wordlist/located_wordlist.h"
#include "wordlist/located_wordlist_index.h"
#include "wordlist/wordlist_index.h"

namespace tessera {
namespace wordlist {

// AllWordlists over the wordlists of the available languages, each read
// through a `WordlistSource`, and the word index, read through an
// `IndexSource` (data::OnDisk or data::InMemory). A lookup
// costs three hashes, three slot reads and one record read per word.
// Movable, not copyable. Thread-safe.
template <typename WordlistSource, typename IndexSource>
class LocatedAllWordlists : public AllWordlists {
 public:
  // Takes over `wordlists` (one per available language) and `index`.
  // `normaliser` is lent: it must outlive this. Throws nothing but
  // std::bad_alloc.
  LocatedAllWordlists(
      const normalise::Normaliser& normaliser,
      std::map<Language, LocatedWordlist<WordlistSource>>&& wordlists,
      LocatedWordlistIndex<IndexSource>&& index);

  LocatedAllWordlists(LocatedAllWordlists&&) = default;
  LocatedAllWordlists& operator=(LocatedAllWordlists&&) = default;

  const Wordlist& wordlist(Language language) const override;
  Optional<std::pair<Language, std::array<int, 3>>> decode(
      const std::array<std::u16string, 3>& words) const override;
  Optional<Language> find_language(const std::u16string& word) const override;
  std::set<Language> languages_used_in(
      const std::array<std::u16string, 3>& words) const override;
  Optional<int> id_of_exact_match(const std::u16string& word,
                                  Language language) const override;

 private:
  const normalise::Normaliser* normaliser;
  std::map<Language, LocatedWordlist<WordlistSource>> wordlists;
  std::unique_ptr<WordlistIndex> index;
};

extern template class LocatedAllWordlists<data::OnDisk, data::OnDisk>;
extern template class LocatedAllWordlists<data::InMemory, data::InMemory>;

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_LOCATED_ALL_WORDLISTS_H_
