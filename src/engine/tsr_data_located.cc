#include "engine/tsr_data_located.h"

#include <utility>

namespace tessera {
namespace engine {

template <typename Source>
TSRDataLocated<Source>::TSRDataLocated(
    TSRDataBase&& shared, std::unique_ptr<Wordlists>&& all_wordlists,
    PlaceFinder&& nearest_place_finder)
    : TSRDataBase(std::move(shared)),
      all_wordlists_(std::move(all_wordlists)),
      nearest_place_finder_(std::move(nearest_place_finder)) {}

template <typename Source>
const wordlist::AllWordlists& TSRDataLocated<Source>::all_wordlists()
    const noexcept {
  return *all_wordlists_;
}

template <typename Source>
const wordlist::Wordlist& TSRDataLocated<Source>::wordlist(
    Language language) const {
  return all_wordlists_->wordlist(language);
}

template <typename Source>
const find_nearest_place::NearestPlaceFinder&
TSRDataLocated<Source>::nearest_place_finder() const noexcept {
  return nearest_place_finder_;
}

template class TSRDataLocated<data::OnDisk>;
template class TSRDataLocated<data::InMemory>;

}  // namespace engine
}  // namespace tessera
