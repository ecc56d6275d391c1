// Writes "countries/countries.data" from country outlines and disputed
// areas.
#ifndef TESSERA_TOOLS_MKDATA_FIND_COUNTRY_COUNTRIES_WRITER_H_
#define TESSERA_TOOLS_MKDATA_FIND_COUNTRY_COUNTRIES_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tessera/coordinates.h"

namespace tessera {
namespace mkdata {

// One country's outline: the outer ring first, then any holes. A ring lists
// its corners in either direction; repeating the first corner at the end is
// allowed. All rings of an outline become one polygon, the outer ring wound
// counter-clockwise and the holes clockwise, so a hole winds back to zero.
struct CountryOutline {
  std::string code;
  std::vector<std::vector<Coordinates>> rings;
};

// A disputed area and the countries whose clipping includes it. Codes are
// written as given, unchecked, so that malformed lines can be made on
// purpose.
struct DisputedArea {
  std::string area;
  std::vector<std::string> claimants;
};

// The quantised plane: x = (lng - x_origin) / x_step, y likewise, rounded
// to whole units that must lie in 0 ... 65,535.
struct Quantisation {
  double x_step;
  double y_step;
  double x_origin;
  double y_origin;
};

// The whole globe: longitude -180 ... 180 and latitude -90 ... 90 on
// 65,536 units each way.
Quantisation world_quantisation() noexcept;

// The framed bytes of a countries file. Outlines are written in the given
// order (the first that contains a position wins). Corners are quantised
// half away from zero; a border that two outlines share corner for corner
// is stored once, as one chain of arcs walked forwards by one polygon and
// backwards by the other; steps longer than a signed byte allows are split
// evenly.
//
// Throws std::invalid_argument when a code is not two characters long, a
// corner falls outside the quantised plane or a ring has fewer than 3
// distinct corners after quantisation, and std::length_error when there are
// more than 32,768 arcs, more than 65,535 arc references in one polygon, or the
// file exceeds 16 MiB.
std::vector<std::uint8_t> write_countries(
    const std::vector<CountryOutline>& outlines,
    const std::vector<DisputedArea>& disputed,
    const Quantisation& quantisation = world_quantisation());

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_FIND_COUNTRY_COUNTRIES_WRITER_H_
