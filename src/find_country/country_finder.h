// The country of a position, and the disputed areas that country clipping
// takes in.
#ifndef TESSERA_FIND_COUNTRY_COUNTRY_FINDER_H_
#define TESSERA_FIND_COUNTRY_COUNTRY_FINDER_H_

#include <set>

#include "tessera/coordinates.h"
#include "tessera/country.h"

namespace tessera {
namespace find_country {

// Read-only after construction; any number of threads may query at once.
class CountryFinder {
 public:
  virtual ~CountryFinder() = default;

  // The country of the first outline, in file order, that contains the
  // position, or "ZZ" when none does. Throws FileError when an outline
  // whose bounding box holds the position turns out to be corrupt.
  virtual Country country_of(const Coordinates& position) const = 0;

  // Whether the position lies in an outline of one of `countries`. "ZZ" in
  // the set stands for positions outside every outline; an empty set holds
  // nothing. Throws FileError as country_of does.
  virtual bool is_point_in(const Coordinates& position,
                           const std::set<Country>& countries) const = 0;

  // `countries` together with every disputed area that the clipping of one
  // of them includes. Never throws except std::bad_alloc.
  virtual std::set<Country> expand_with_disputed(
      const std::set<Country>& countries) const = 0;
};

}  // namespace find_country
}  // namespace tessera

#endif  // TESSERA_FIND_COUNTRY_COUNTRY_FINDER_H_
