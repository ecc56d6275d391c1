// The loaded data both engines share: installed languages, attractiveness,
// excluded areas, the normaliser, the country finder and the data version.
#ifndef TESSERA_ENGINE_TSR_DATA_BASE_H_
#define TESSERA_ENGINE_TSR_DATA_BASE_H_

#include <map>
#include <memory>
#include <set>
#include <string>

#include "algorithm/attr_data.h"
#include "algorithm/excluded_areas.h"
#include "data/in_memory.h"
#include "find_country/located_country_finder.h"
#include "normalise/normaliser.h"
#include "tessera/error_descriptor.h"
#include "tessera/language.h"

namespace tessera {
namespace engine {

// Immutable once built. Parts that others point to (the normaliser, which
// the wordlists keep a pointer to) are held by unique_ptr so that moving the
// holder does not move them.
class TSRDataBase {
 public:
  TSRDataBase(
      std::set<Language>&& languages,
      std::map<Language, algorithm::AttrData>&& attractiveness,
      std::unique_ptr<algorithm::ExcludedAreas>&& excluded_areas,
      std::unique_ptr<normalise::Normaliser>&& normaliser,
      find_country::LocatedCountryFinder<data::InMemory>&& country_finder,
      const std::string& data_version);
  TSRDataBase(TSRDataBase&&) = default;
  TSRDataBase& operator=(TSRDataBase&&) = default;

  // Throws std::out_of_range for a language that is not installed.
  const algorithm::AttrData& attractiveness_data(Language language) const;
  const algorithm::ExcludedAreas& excluded_areas() const noexcept;
  const normalise::Normaliser& normaliser() const noexcept;
  const find_country::CountryFinder& country_finder() const noexcept;
  std::string data_version() const;

  // Throws LanguageNotAvalableError ("Language '<code>' not available.")
  // when `language` is not installed.
  void assert_language_available(const Language& language) const;
  // Code 0, or code 4 with the message assert_language_available throws.
  ErrorDescriptor is_available(const Language& language) const;
  std::set<std::string> available_languages() const;

 private:
  std::set<Language> languages_;
  std::map<Language, algorithm::AttrData> attractiveness_;
  std::unique_ptr<algorithm::ExcludedAreas> excluded_areas_;
  std::unique_ptr<normalise::Normaliser> normaliser_;
  find_country::LocatedCountryFinder<data::InMemory> country_finder_;
  std::string data_version_;
};

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_TSR_DATA_BASE_H_
