#include "wordlist/located_wordlist_index.h"

#include <string>

#include "data/byte_reader.h"
#include "data/integrity.h"
#include "wordlist/jenkins_hash.h"
#include "wordlist/word_index_format.h"

namespace tessera {
namespace wordlist {

namespace format = word_index_format;

template <typename Source>
LocatedWordlistIndex<Source>::LocatedWordlistIndex(
    const std::vector<Language>& languages, Source&& source)
    : languages(languages), source(std::move(source)), seeds{}, size(0) {
  typename Source::View view(this->source);
  view.seek(format::kSeedsOffset);
  for (std::uint32_t& seed : seeds) seed = view.read_u32();
  size = view.read_u32();
  if (size == 0) view.fail("the word index has a table of 0 slots");
  data::checked_count(size, format::kSlotSize, view.remaining(), view.file(),
                      "slots");
}

template <typename Source>
Optional<std::pair<Language, int>>
LocatedWordlistIndex<Source>::guess_language_and_offset(
    const std::u16string& normalised_word) const {
  std::array<std::uint32_t, 3> positions;
  for (int i = 0; i < format::kSeedCount; ++i) {
    positions[i] = jenkins_hash(normalised_word, seeds[i]) % size;
  }
  std::array<std::uint32_t, 3> slots;
  {
    typename Source::View view(source);
    for (int i = 0; i < format::kSeedCount; ++i) {
      view.seek(format::kSlotsOffset +
                std::int64_t{format::kSlotSize} * positions[i]);
      slots[i] = view.read_u32();
    }
  }
  const std::uint32_t k =
      (format::selector(slots[0]) + format::selector(slots[1]) +
       format::selector(slots[2])) %
      3;
  const std::uint32_t slot = slots[k];
  const std::uint32_t number = format::language_number(slot);
  if (number == 0) return {};
  if (number > languages.size()) {
    data::integrity_failure(
        source.name(), "slot " + std::to_string(positions[k]) +
                           " holds language number " + std::to_string(number) +
                           " of a list of " + std::to_string(languages.size()));
  }
  return std::make_pair(languages[number - 1],
                        static_cast<int>(format::record_offset(slot)));
}

template class LocatedWordlistIndex<data::OnDisk>;
template class LocatedWordlistIndex<data::InMemory>;

}  // namespace wordlist
}  // namespace tessera
