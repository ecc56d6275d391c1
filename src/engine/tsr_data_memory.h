// The server engine's data: every data file is held in memory.
#ifndef TESSERA_ENGINE_TSR_DATA_MEMORY_H_
#define TESSERA_ENGINE_TSR_DATA_MEMORY_H_

#include <map>
#include <memory>
#include <set>
#include <string>

#include "data/file_system.h"
#include "data/in_memory.h"
#include "engine/tsr_data_located.h"

namespace tessera {
namespace engine {

class TSRDataMemory : public TSRDataLocated<data::InMemory> {
 public:
  TSRDataMemory(
      std::set<Language>&& languages,
      std::map<Language, algorithm::AttrData>&& attractiveness,
      std::unique_ptr<algorithm::ExcludedAreas>&& excluded_areas,
      std::unique_ptr<normalise::Normaliser>&& normaliser,
      std::unique_ptr<Wordlists>&& all_wordlists,
      PlaceFinder&& nearest_place_finder,
      find_country::LocatedCountryFinder<data::InMemory>&& country_finder,
      const std::string& data_version);
  TSRDataMemory(TSRDataMemory&&) = default;
  TSRDataMemory& operator=(TSRDataMemory&&) = default;

 private:
};

// Loads the data directory of `files` into memory: first every file that
// does not depend on the language (format version, attractiveness blocks,
// excluded areas, normaliser, word index, places, countries, data version),
// then the installed languages (English required) with their block orders
// and wordlists. Throws the error of the first file that is missing or
// corrupt; nothing read so far is kept.
TSRDataMemory read_memory_data(const data::FileSystem& files);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_TSR_DATA_MEMORY_H_
