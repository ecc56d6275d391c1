// The loaded data of an engine: everything the conversions and queries read,
// with the large files read through the data source `Source`.
#ifndef TESSERA_ENGINE_TSR_DATA_H_
#define TESSERA_ENGINE_TSR_DATA_H_

#include <map>
#include <memory>
#include <set>
#include <string>

#include "algorithm/attr_data.h"
#include "algorithm/excluded_areas.h"
#include "autosuggest/autosuggest_helper.h"
#include "data/file_system.h"
#include "data/in_memory.h"
#include "data/on_disk.h"
#include "find_country/located_country_finder.h"
#include "find_nearest_place/located_nearest_place_finder.h"
#include "normalise/normaliser.h"
#include "tessera/error_descriptor.h"
#include "tessera/language.h"
#include "wordlist/located_all_wordlists.h"

namespace tessera {
namespace engine {

// The data holder of both engines. With data::OnDisk (the device engine) the
// wordlists, the word index and the place files stay on disk and are read
// on demand; with data::InMemory (the server engine) every file is held in
// memory. The rest is held in memory either way. Immutable once built and
// safe to share between threads. Movable: the parts that others point to
// (the normaliser, which the wordlists keep a pointer to) are held by
// unique_ptr, so moving the holder does not move them.
template <typename Source>
class TSRData {
 public:
  using Wordlists = wordlist::LocatedAllWordlists<Source, Source>;
  using PlaceFinder = find_nearest_place::LocatedNearestPlaceFinder<Source>;
  using CountryFinder = find_country::LocatedCountryFinder<data::InMemory>;

  // Everything a loader reads, in the order read_data reads it.
  struct Parts {
    std::set<Language> languages;
    std::map<Language, algorithm::AttrData> attractiveness;
    std::unique_ptr<algorithm::ExcludedAreas> excluded_areas;
    std::unique_ptr<normalise::Normaliser> normaliser;
    std::unique_ptr<Wordlists> all_wordlists;
    std::unique_ptr<PlaceFinder> nearest_place_finder;
    std::unique_ptr<CountryFinder> country_finder;
    std::string data_version;
    // One per installed language with data::InMemory, built at load; none
    // with data::OnDisk, which reads a language's file on each call.
    std::map<Language, std::shared_ptr<const autosuggest::AutosuggestHelper>>
        autosuggest_helpers;
    // The data directory, kept for the files read after loading.
    std::shared_ptr<const data::FileSystem> file_system;
  };

  // Requires: every pointer of `parts` is set.
  explicit TSRData(Parts&& parts) noexcept : parts_(std::move(parts)) {}
  TSRData(TSRData&&) noexcept = default;
  TSRData& operator=(TSRData&&) noexcept = default;

  // Throws std::out_of_range for a language that is not installed.
  const algorithm::AttrData& attractiveness_data(Language language) const {
    return parts_.attractiveness.at(language);
  }
  const algorithm::ExcludedAreas& excluded_areas() const noexcept {
    return *parts_.excluded_areas;
  }
  const normalise::Normaliser& normaliser() const noexcept {
    return *parts_.normaliser;
  }
  const wordlist::AllWordlists& all_wordlists() const noexcept {
    return *parts_.all_wordlists;
  }
  // Throws std::out_of_range for a language that is not installed.
  const wordlist::Wordlist& wordlist(Language language) const {
    return parts_.all_wordlists->wordlist(language);
  }
  const find_nearest_place::NearestPlaceFinder& nearest_place_finder()
      const noexcept {
    return *parts_.nearest_place_finder;
  }
  const find_country::CountryFinder& country_finder() const noexcept {
    return *parts_.country_finder;
  }
  const std::string& data_version() const noexcept {
    return parts_.data_version;
  }
  const data::FileSystem& file_system() const noexcept {
    return *parts_.file_system;
  }

  // The autosuggest helper of `language`. With data::InMemory, the one
  // built at load, shared by every call (and its similar-word cache with
  // it); throws std::out_of_range for a language without one. With
  // data::OnDisk, a new helper over the language's ".autosuggest" file, read
  // now and kept by nobody but the caller; throws FileError when the file
  // is missing or corrupt.
  std::shared_ptr<const autosuggest::AutosuggestHelper> autosuggest_helper(
      Language language) const;

  // Throws LanguageNotAvalableError ("Language '<code>' not available.")
  // when `language` is not installed.
  void assert_language_available(const Language& language) const;
  // Code 0, or code 4 with the message assert_language_available throws.
  ErrorDescriptor is_available(const Language& language) const;
  std::set<std::string> available_languages() const;

 private:
  Parts parts_;
};

using TSRDataDisk = TSRData<data::OnDisk>;
using TSRDataMemory = TSRData<data::InMemory>;

extern template class TSRData<data::OnDisk>;
extern template class TSRData<data::InMemory>;

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_TSR_DATA_H_
