// The country finder over the country outlines file held in memory.
#ifndef TESSERA_FIND_COUNTRY_LOCATED_COUNTRY_FINDER_H_
#define TESSERA_FIND_COUNTRY_LOCATED_COUNTRY_FINDER_H_

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/in_memory.h"
#include "find_country/country_finder.h"
#include "find_country/outline_parts.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"

namespace tessera {
namespace find_country {

// A CountryFinder over "countries/countries.data" held by `Source`, which is
// data::InMemory (the only instantiation). Codes, bounding boxes and
// disputed relations are decoded at construction; polygons and arcs on
// demand, only for outlines whose box holds the position. Owns its source;
// movable, not copyable. Thread-safe.
template <typename Source>
class LocatedCountryFinder : public CountryFinder {
 public:
  // Takes over `source` and reads the header, codes, boxes and the
  // disputed-area lines.
  // Throws FileError with an integrity-failure message when the header, the
  // code, box and position tables do not fit in the file, when a line
  // position lies outside the file or a line has no line feed before the end
  // of the file, and on the failures of reformat_disputed_relations and
  // validate_disputed_areas (malformed codes among them).
  explicit LocatedCountryFinder(Source&& source);

  LocatedCountryFinder(LocatedCountryFinder&&) = default;
  LocatedCountryFinder& operator=(LocatedCountryFinder&&) = default;

  // The longitude is first wrapped into -180 (inclusive) ... 180
  // (exclusive); then x = (lng - x origin) / x step and
  // y = (lat - y origin) / y step, unrounded. Never throws.
  XY quantise(const Coordinates& position) const noexcept;

  // Whether `p` lies in polygon i's box; all four sides inclusive.
  // Requires: 0 <= polygon < polygon_count.
  bool point_is_in_bounding_box(XY p, int polygon) const noexcept;

  // Decode one record. Throw FileError when the index lies outside its
  // table, or when the record or any arc reference lies outside the file
  // or the arc table.
  Polygon read_polygon(int polygon) const;
  Arc read_arc(int arc) const;

  // The winding number of `arc` round `p`: +1 for each upward crossing with
  // `p` on its left, -1 for each downward crossing with `p` on its right.
  int arc_winding_no(const Arc& arc, const XY& p) const noexcept;

  // Whether the winding number of the polygon's arcs (reversed arcs
  // counting negatively) round `p` is not zero. Throws FileError as
  // read_arc does.
  bool polygon_contains_point(const Polygon& polygon, const XY& p) const;

  Country country_of(const Coordinates& position) const override;
  bool is_point_in(const Coordinates& position,
                   const std::set<Country>& countries) const override;
  std::set<Country> expand_with_disputed(
      const std::set<Country>& countries) const override;

 private:
  Country code_of(int polygon) const;

  Source source;
  double x_step;
  double y_step;
  double x_origin;
  double y_origin;
  std::uint32_t polygon_count;
  std::uint32_t arc_count;
  std::uint32_t relation_count;
  std::vector<char> codes;
  std::vector<std::uint16_t> boxes;
  std::uint32_t polygon_table;
  std::uint32_t arc_table;
  std::map<Country, std::vector<Country>> disputed;
};

extern template class LocatedCountryFinder<data::InMemory>;

}  // namespace find_country
}  // namespace tessera

#endif  // TESSERA_FIND_COUNTRY_LOCATED_COUNTRY_FINDER_H_
