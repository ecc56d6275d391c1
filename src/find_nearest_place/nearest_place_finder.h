// Describing a position by its nearest named place.
#ifndef TESSERA_FIND_NEAREST_PLACE_NEAREST_PLACE_FINDER_H_
#define TESSERA_FIND_NEAREST_PLACE_NEAREST_PLACE_FINDER_H_

#include <string>

#include "tessera/coordinates.h"
#include "tessera/language.h"
#include "tessera/optional.h"

namespace tessera {
namespace find_nearest_place {

// Implementations are immutable and thread-safe.
class NearestPlaceFinder {
 public:
  virtual ~NearestPlaceFinder() = default;

  // The phrase for the place nearest to `position` within `radius_m`
  // metres, in `language` where translated: its name, and its qualifier
  // joined as the language's rule says. Empty when no place is near enough.
  // Throws FileError when the data turns out to be corrupt.
  virtual Optional<std::string> nearest_to(const Coordinates& position,
                                           Language language,
                                           int radius_m) const = 0;
};

}  // namespace find_nearest_place
}  // namespace tessera

#endif  // TESSERA_FIND_NEAREST_PLACE_NEAREST_PLACE_FINDER_H_
