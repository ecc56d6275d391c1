#include "engine/autosuggest_option_implementation.h"

#include <utility>

namespace tessera {

AutosuggestOptionImplementation::AutosuggestOptionImplementation(Edit edit)
    : edit_(std::move(edit)) {}

void AutosuggestOptionImplementation::apply(
    engine::AutosuggestSettings& settings) const {
  edit_(settings);
}

}  // namespace tessera
