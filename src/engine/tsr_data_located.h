// What the two engines' data holders add to the shared data, written once
// over the data source their wordlists and places are read through.
#ifndef TESSERA_ENGINE_TSR_DATA_LOCATED_H_
#define TESSERA_ENGINE_TSR_DATA_LOCATED_H_

#include <memory>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "engine/tsr_data_base.h"
#include "find_nearest_place/located_nearest_place_finder.h"
#include "wordlist/located_all_wordlists.h"

namespace tessera {
namespace engine {

template <typename Source>
class TSRDataLocated : public TSRDataBase {
 public:
  using Wordlists = wordlist::LocatedAllWordlists<Source, Source>;
  using PlaceFinder = find_nearest_place::LocatedNearestPlaceFinder<Source>;

  TSRDataLocated(TSRDataBase&& shared,
                 std::unique_ptr<Wordlists>&& all_wordlists,
                 PlaceFinder&& nearest_place_finder);
  TSRDataLocated(TSRDataLocated&&) = default;
  TSRDataLocated& operator=(TSRDataLocated&&) = default;

  const wordlist::AllWordlists& all_wordlists() const noexcept;
  // Throws std::out_of_range for a language that is not installed.
  const wordlist::Wordlist& wordlist(Language language) const;
  const find_nearest_place::NearestPlaceFinder& nearest_place_finder()
      const noexcept;

 private:
  std::unique_ptr<Wordlists> all_wordlists_;
  PlaceFinder nearest_place_finder_;
};

extern template class TSRDataLocated<data::OnDisk>;
extern template class TSRDataLocated<data::InMemory>;

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_TSR_DATA_LOCATED_H_
