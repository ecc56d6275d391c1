// The inside of an autosuggest option: one edit of the settings.
#ifndef TESSERA_ENGINE_AUTOSUGGEST_OPTION_IMPLEMENTATION_H_
#define TESSERA_ENGINE_AUTOSUGGEST_OPTION_IMPLEMENTATION_H_

#include <functional>

#include "engine/autosuggest_settings.h"
#include "tessera/autosuggest_option.h"

namespace tessera {

// Immutable once built, so one option may be shared by many calls and
// threads, as long as its edit only writes the settings it is given.
class AutosuggestOptionImplementation {
 public:
  using Edit = std::function<void(engine::AutosuggestSettings&)>;

  explicit AutosuggestOptionImplementation(Edit edit);

  // Applies the edit to `settings`. Throws std::bad_function_call when the
  // option holds no edit, and whatever the edit throws.
  void apply(engine::AutosuggestSettings& settings) const;

 private:
  Edit edit_;
};

}  // namespace tessera

#endif  // TESSERA_ENGINE_AUTOSUGGEST_OPTION_IMPLEMENTATION_H_
