// The options of an autosuggest request of `tessera batch`.
#ifndef TESSERA_TOOLS_CLI_AUTOSUGGEST_REQUEST_H_
#define TESSERA_TOOLS_CLI_AUTOSUGGEST_REQUEST_H_

#include <vector>

#include "cli/json_request.h"
#include "tessera/autosuggest_option.h"

namespace tessera {
namespace cli {

// The engine's option list for the "options" field of `request`, which may
// be absent. Each key of the object sets one field of the autosuggest
// settings, applied in this order whatever the order of the keys:
//
//   "language"                    language code (string)
//   "disable_language_detection"  boolean
//   "n_results"                   non-negative integer
//   "focus"                       position
//   "n_focus_results"             non-negative integer
//   "clip_circle"                 {"lat", "lng", "radius_km"} (numbers)
//   "clip_bounding_box"           {"sw", "ne"} (positions)
//   "clip_polygon"                list of positions, a closed ring
//   "clip_countries"              list of country codes (strings)
//   "input_type"                  name of the input type (string)
//   "prefer_land"                 boolean
//
// A false "disable_language_detection" makes no option, as detection is on
// by default.
//
// Throws UsageError for an options value that is not an object, an unknown
// key, or a value of the wrong shape, before any value is built. Values of
// the right shape are then checked by the engine's value types, in the
// order above: a latitude of 100, a negative radius, an open ring or a
// malformed language or country code throws their InvalidArgumentError.
std::vector<AutosuggestOption> autosuggest_options(const Fields& request);

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_AUTOSUGGEST_REQUEST_H_
