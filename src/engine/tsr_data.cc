#include "engine/tsr_data.h"

#include <type_traits>

#include "autosuggest/autosuggest_format.h"
#include "tessera/error.h"

namespace tessera {
namespace engine {

template <typename Source>
void TSRData<Source>::assert_language_available(
    const Language& language) const {
  if (parts_.languages.count(language) == 0) {
    LanguageNotAvalableError::raise(language.code);
  }
}

template <typename Source>
ErrorDescriptor TSRData<Source>::is_available(const Language& language) const {
  if (parts_.languages.count(language) != 0) return {0, ""};
  return {4, LanguageNotAvalableError(language.code).what()};
}

template <typename Source>
std::set<std::string> TSRData<Source>::available_languages() const {
  std::set<std::string> codes;
  for (const Language& language : parts_.languages) codes.insert(language.code);
  return codes;
}

template <typename Source>
std::shared_ptr<const autosuggest::AutosuggestHelper>
TSRData<Source>::autosuggest_helper(Language language) const {
  if constexpr (std::is_same_v<Source, data::InMemory>) {
    return parts_.autosuggest_helpers.at(language);
  } else {
    return std::make_shared<const autosuggest::AutosuggestHelper>(
        language,
        autosuggest::read_autosuggest_data(data::InMemory::open(
            file_system(), autosuggest::autosuggest_file_name(language.code))),
        all_wordlists(), normaliser());
  }
}

template class TSRData<data::OnDisk>;
template class TSRData<data::InMemory>;

}  // namespace engine
}  // namespace tessera
