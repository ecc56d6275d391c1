// The options of Engine::autosuggest and Engine::is_valid_autosuggest_call.
//
// Each function makes one option, which sets one setting of the call:
//
//   engine.autosuggest("index.home.raf",
//                      {tessera::focus(tessera::Coordinates(51.52, -0.19)),
//                       tessera::clip_to_countries({tessera::Country("GB")}),
//                       tessera::n_results(5)});
//
// The call applies its options in list order to the default settings, so
// when two options set the same setting the later one wins. Clips of
// different kinds combine: a suggestion then lies inside every one of them.
//
// The value types check themselves when they are built (a Coordinates with
// a latitude of 91 throws there); how options fit together, and whether a
// language or input type exists, is checked by the call. The functions
// below therefore throw nothing but std::bad_alloc.
#ifndef TESSERA_AUTOSUGGEST_OPTIONS_H_
#define TESSERA_AUTOSUGGEST_OPTIONS_H_

#include <cstdint>
#include <set>
#include <string>

#include "tessera/autosuggest_option.h"
#include "tessera/bounding_box.h"
#include "tessera/circle.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"
#include "tessera/language.h"
#include "tessera/polygon.h"

namespace tessera {

// Searches `language`. Without this option the call searches the input
// type's own language (English for typed text) and, unless language
// detection is disabled, the languages the input's words come from. The call
// throws LanguageNotAvalableError when the engine has not loaded `language`.
AutosuggestOption language(const Language& language);

// Searches only the language set by language(...); the call throws
// InvalidArgumentError when that option is missing.
AutosuggestOption disable_language_detection();

// Returns at most `count` suggestions (3 without this option).
AutosuggestOption n_results(std::uint32_t count);

// Prefers suggestions near `position`; each suggestion then carries its
// distance from it.
AutosuggestOption focus(const Coordinates& position);

// With a focus: how many of the returned suggestions are the best by
// distance from it; the rest are the best by the input alone. Without this
// option, all of them (n_results).
AutosuggestOption n_focus_results(unsigned count);

// Suggests only squares whose centre lies in `circle`, its edge included.
AutosuggestOption clip_to_circle(const Circle& circle);

// Suggests only squares whose centre lies in `box`, its edges included.
AutosuggestOption clip_to_bounding_box(const BoundingBox& box);

// Suggests only squares whose centre lies inside `polygon`.
AutosuggestOption clip_to_polygon(const Polygon& polygon);

// Suggests only squares in one of `countries` or in a disputed area that
// belongs with one of them; "ZZ" stands for no country. With an empty set
// nothing is suggested.
AutosuggestOption clip_to_countries(const std::set<Country>& countries);

// Reads the input as the input type named `name`: "text" (typed text, the
// default), "generic-voice" (the text of a speech recogniser) or the output
// of a particular recogniser, such as "vocon-hybrid". Every type but "text"
// needs language(...). The call throws InvalidArgumentError, listing the
// names it knows, for a name it does not know.
AutosuggestOption input_type(const std::string& name);

// true (the default): no suggestion made of sea words or lying at sea;
// false: those too.
AutosuggestOption prefer_land(bool prefer);

}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_OPTIONS_H_
