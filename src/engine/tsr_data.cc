#include "engine/tsr_data.h"

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

template class TSRData<data::OnDisk>;
template class TSRData<data::InMemory>;

}  // namespace engine
}  // namespace tessera
