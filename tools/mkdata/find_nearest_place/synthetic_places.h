// Made-up places for test data sets.
#ifndef TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_SYNTHETIC_PLACES_H_
#define TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_SYNTHETIC_PLACES_H_

#include <cstdint>

#include "mkdata/find_nearest_place/nearest_place_files.h"

namespace tessera {
namespace mkdata {

// `count` places with distinct cells spread over the globe and names made of
// syllables, drawn from a generator seeded with `seed` (the same seed and
// count give the same places on every platform). The name languages are
// en, de and ja; about a third of the places have translations, and most
// share one of a few dozen qualifiers, some translated and a few equal to
// their place's name. Rules: de puts the qualifier first with ", ", ja
// joins with no separator, every other language uses the default.
// Requires: 0 <= count <= 1,000,000.
NearestPlaceData synthetic_places(std::uint32_t seed, int count);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_SYNTHETIC_PLACES_H_
