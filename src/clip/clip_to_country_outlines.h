// Clipping to the outlines of a set of countries.
#ifndef TESSERA_CLIP_CLIP_TO_COUNTRY_OUTLINES_H_
#define TESSERA_CLIP_CLIP_TO_COUNTRY_OUTLINES_H_

#include <set>

#include "clip/clip.h"
#include "find_country/country_finder.h"
#include "tessera/country.h"

namespace tessera {
namespace clip {

// Keeps the positions that CountryFinder::is_point_in places in one of the
// countries: "ZZ" in the set keeps positions outside every outline, and an
// empty set keeps nothing. The set is taken as given; widening it with the
// disputed areas is the caller's step.
//
// `finder` must outlive this clip.
class ClipToCountryOutlines : public Clip {
 public:
  ClipToCountryOutlines(const std::set<Country>& countries,
                        const find_country::CountryFinder& finder);

  // Throws FileError as CountryFinder::is_point_in does.
  bool keep(const Coordinates& position) const override;

  const std::set<Country>& countries() const { return countries_; }

 private:
  std::set<Country> countries_;
  const find_country::CountryFinder& finder_;
};

}  // namespace clip
}  // namespace tessera

#endif  // TESSERA_CLIP_CLIP_TO_COUNTRY_OUTLINES_H_
