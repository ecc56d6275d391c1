#include "engine/tsr_data_base.h"

#include <utility>

#include "tessera/error.h"

namespace tessera {
namespace engine {

TSRDataBase::TSRDataBase(
    std::set<Language>&& languages,
    std::map<Language, algorithm::AttrData>&& attractiveness,
    std::unique_ptr<algorithm::ExcludedAreas>&& excluded_areas,
    std::unique_ptr<normalise::Normaliser>&& normaliser,
    find_country::LocatedCountryFinder<data::InMemory>&& country_finder,
    const std::string& data_version)
    : languages_(std::move(languages)),
      attractiveness_(std::move(attractiveness)),
      excluded_areas_(std::move(excluded_areas)),
      normaliser_(std::move(normaliser)),
      country_finder_(std::move(country_finder)),
      data_version_(data_version) {}

const algorithm::AttrData& TSRDataBase::attractiveness_data(
    Language language) const {
  return attractiveness_.at(language);
}

const algorithm::ExcludedAreas& TSRDataBase::excluded_areas() const noexcept {
  return *excluded_areas_;
}

const normalise::Normaliser& TSRDataBase::normaliser() const noexcept {
  return *normaliser_;
}

const find_country::CountryFinder& TSRDataBase::country_finder()
    const noexcept {
  return country_finder_;
}

std::string TSRDataBase::data_version() const { return data_version_; }

void TSRDataBase::assert_language_available(const Language& language) const {
  if (languages_.count(language) == 0) {
    LanguageNotAvalableError::raise(language.code);
  }
}

ErrorDescriptor TSRDataBase::is_available(const Language& language) const {
  if (languages_.count(language) != 0) return {0, ""};
  return {4, LanguageNotAvalableError(language.code).what()};
}

std::set<std::string> TSRDataBase::available_languages() const {
  std::set<std::string> codes;
  for (const Language& language : languages_) codes.insert(language.code);
  return codes;
}

}  // namespace engine
}  // namespace tessera
