#ifndef TESSERA_AUTOSUGGEST_OPTION_H_
#define TESSERA_AUTOSUGGEST_OPTION_H_

namespace tessera {

// One autosuggest option: an opaque edit of the autosuggest settings. The
// functions that make options come with autosuggest.
class AutosuggestOptionImplementation;

}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_OPTION_H_
