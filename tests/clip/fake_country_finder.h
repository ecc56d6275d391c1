// A country finder with three bands of latitude instead of outlines, which
// counts its lookups.
#ifndef TESSERA_TESTS_CLIP_FAKE_COUNTRY_FINDER_H_
#define TESSERA_TESTS_CLIP_FAKE_COUNTRY_FINDER_H_

#include <set>

#include "find_country/country_finder.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"

namespace tessera {
namespace test {

// "NN" north of latitude 10, "SS" south of -10, no country ("ZZ") between
// and for a NaN latitude. is_point_in follows the real finder's rule
// ("ZZ" in the set stands for no country). Not thread-safe: it counts.
class FakeCountryFinder : public find_country::CountryFinder {
 public:
  Country country_of(const Coordinates& position) const override {
    if (position.lat > 10) return Country("NN");
    if (position.lat < -10) return Country("SS");
    return Country("ZZ");
  }

  bool is_point_in(const Coordinates& position,
                   const std::set<Country>& countries) const override {
    ++lookups;
    return countries.count(country_of(position)) != 0;
  }

  std::set<Country> expand_with_disputed(
      const std::set<Country>& countries) const override {
    return countries;
  }

  // How many times is_point_in was called.
  mutable int lookups = 0;
};

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_CLIP_FAKE_COUNTRY_FINDER_H_
