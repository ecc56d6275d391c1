#include "autosuggest/inputtype/registry.h"

#include "autosuggest/inputtype/generic_voice_input_type.h"
#include "autosuggest/inputtype/mawdoo3_input_type.h"
#include "autosuggest/inputtype/mihup_input_type.h"
#include "autosuggest/inputtype/nmdp_input_type.h"
#include "autosuggest/inputtype/ocr_input_type.h"
#include "autosuggest/inputtype/speechmatics_input_type.h"
#include "autosuggest/inputtype/text_input_type.h"
#include "autosuggest/inputtype/vocon_input_type.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

template <typename T>
std::unique_ptr<InputType> make() {
  return std::make_unique<T>();
}

template <typename T>
std::pair<const std::string, Registry::Entry> entry() {
  return {T::name, Registry::Entry{&make<T>, T::help}};
}

}  // namespace

Registry::Registry()
    : entries_{entry<GenericVoiceInputType>(), entry<Mawdoo3InputType>(),
               entry<MihupInputType>(),        entry<NMDPInputType>(),
               entry<OcrInputType>(),          entry<SpeechmaticsInputType>(),
               entry<TextInputType>(),         entry<VoConInputType>()} {}

const Registry& Registry::instance() {
  // The runtime initialises a function-local static exactly once, with
  // other first callers waiting.
  static const Registry registry;
  return registry;
}

const Registry::Entry* Registry::find(const std::string& name) const {
  const auto found = entries_.find(name);
  return found == entries_.end() ? nullptr : &found->second;
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
