// The device engine's data: wordlists, word index and places stay on disk
// and are read on demand; the rest is held in memory.
#ifndef TESSERA_ENGINE_TSR_DATA_DISK_H_
#define TESSERA_ENGINE_TSR_DATA_DISK_H_

#include <map>
#include <memory>
#include <set>
#include <string>

#include "data/file_system.h"
#include "data/on_disk.h"
#include "engine/tsr_data_located.h"

namespace tessera {
namespace engine {

class TSRDataDisk : public TSRDataLocated<data::OnDisk> {
 public:
  TSRDataDisk(
      std::set<Language>&& languages,
      std::map<Language, algorithm::AttrData>&& attractiveness,
      std::unique_ptr<algorithm::ExcludedAreas>&& excluded_areas,
      std::unique_ptr<normalise::Normaliser>&& normaliser,
      std::unique_ptr<Wordlists>&& all_wordlists,
      PlaceFinder&& nearest_place_finder,
      find_country::LocatedCountryFinder<data::InMemory>&& country_finder,
      const std::string& data_version,
      std::shared_ptr<data::FileSystem> file_system);
  TSRDataDisk(TSRDataDisk&&) = default;
  TSRDataDisk& operator=(TSRDataDisk&&) = default;

  // The data directory, kept open for files read after loading.
  const data::FileSystem& file_system() const noexcept { return *file_system_; }

 private:
  std::shared_ptr<data::FileSystem> file_system_;
};

// Loads the data directory of `files` in a fixed order: format version,
// installed languages (English required), attractiveness, excluded areas,
// normaliser, word index and wordlists, places, countries, data version.
// Throws the error of the first file that is missing or corrupt; nothing
// read so far is kept.
TSRDataDisk read_disk_data(std::shared_ptr<data::FileSystem> files);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_TSR_DATA_DISK_H_
