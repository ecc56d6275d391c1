#include "clip/clip_to_country_outlines.h"

namespace tessera {
namespace clip {

ClipToCountryOutlines::ClipToCountryOutlines(
    const std::set<Country>& countries,
    const find_country::CountryFinder& finder)
    : countries_(countries), finder_(finder) {}

bool ClipToCountryOutlines::keep(const Coordinates& position) const {
  return finder_.is_point_in(position, countries_);
}

}  // namespace clip
}  // namespace tessera
