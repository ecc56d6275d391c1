#ifndef TESSERA_AUTOSUGGEST_OPTION_H_
#define TESSERA_AUTOSUGGEST_OPTION_H_

#include <memory>

namespace tessera {

// One autosuggest option: an opaque edit of the settings of an autosuggest
// call, made by the functions of autosuggest_options.h.
class AutosuggestOptionImplementation;

// Options are shared and immutable: one may be passed to any number of calls
// on any number of threads.
using AutosuggestOption = std::shared_ptr<AutosuggestOptionImplementation>;

}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_OPTION_H_
