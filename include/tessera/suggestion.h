#ifndef TESSERA_SUGGESTION_H_
#define TESSERA_SUGGESTION_H_

#include <string>

#include "tessera/optional.h"

namespace tessera {

// One autosuggest result: a real three-word address and what a user
// interface shows beside it.
struct Suggestion {
  std::string words;     // the address text
  std::string language;  // language code of the address
  // Distance from the focus to the square in km, rounded to one decimal;
  // empty without a focus.
  Optional<double> distance_to_focus_km;
  std::string country;  // country code; "ZZ" at sea
  Optional<std::string> nearest_place;
};

}  // namespace tessera

#endif  // TESSERA_SUGGESTION_H_
