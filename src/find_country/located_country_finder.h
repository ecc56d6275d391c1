// The country finder over the country outlines file held in memory.
#ifndef TESSERA_FIND_COUNTRY_LOCATED_COUNTRY_FINDER_H_
#define TESSERA_FIND_COUNTRY_LOCATED_COUNTRY_FINDER_H_

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
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
// disputed relations are decoded at construction, every polygon and arc is
// checked then, and two indexes are built: a grid of buckets over the
// quantised plane listing the polygons whose box meets each bucket, and the
// range of each arc. A query tests only the polygons of its bucket and, in
// each, walks only the arcs that pass near it: the answers are exactly those
// of testing every polygon in file order. Owns its source; movable, not
// copyable. Thread-safe.
template <typename Source>
class LocatedCountryFinder : public CountryFinder {
 public:
  // Takes over `source`, reads the header, codes, boxes and the
  // disputed-area lines, checks every polygon and arc record, and builds
  // the indexes.
  // Throws FileError with an integrity-failure message when the header, the
  // code, box and position tables do not fit in the file, when a line
  // position lies outside the file or a line has no line feed before the end
  // of the file, on the failures of reformat_disputed_relations and
  // validate_disputed_areas (malformed codes among them), and as read_polygon
  // and read_arc do for any polygon or arc.
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
  // read_arc does. Reads and walks every arc: the plain form of what the
  // queries compute from the indexes.
  bool polygon_contains_point(const Polygon& polygon, const XY& p) const;

  // Never throw FileError: every record was checked at construction.
  Country country_of(const Coordinates& position) const override;
  bool is_point_in(const Coordinates& position,
                   const std::set<Country>& countries) const override;
  std::set<Country> expand_with_disputed(
      const std::set<Country>& countries) const override;

 private:
  // What the exact test needs of an arc besides its steps: where they
  // start in the file, the range of x and y its vertices span, the y of its
  // last vertex and, for a long arc, where its chunks are listed.
  struct ArcExtent {
    std::uint32_t steps_at;
    std::uint16_t n;
    std::uint16_t x0;
    std::uint16_t y0;
    std::int32_t x_min;
    std::int32_t x_max;
    std::int32_t y_min;
    std::int32_t y_max;
    std::int32_t y_end;
    // chunks[first_chunk ...] cover the steps of an arc of more than
    // kChunkSteps steps, kChunkSteps each (the last one the rest); a
    // shorter arc has none (kNoChunks).
    std::uint32_t first_chunk;
  };
  // A run of at most kChunkSteps steps of a long arc: the range its
  // vertices span (its first vertex included) and where it starts and ends.
  struct ArcChunk {
    std::int32_t x_min;
    std::int32_t x_max;
    std::int32_t y_min;
    std::int32_t y_max;
    std::int32_t x_start;
    std::int32_t y_start;
    std::int32_t y_end;
  };
  static constexpr std::size_t kChunkSteps = 64;
  static constexpr std::uint32_t kNoChunks = 0xFFFFFFFF;

  Country code_of(int polygon) const;
  void check_and_index();
  // The polygons whose box may hold `p`, ascending; empty when no box can.
  std::pair<const std::uint32_t*, const std::uint32_t*> candidates(
      const XY& p) const noexcept;
  // polygon_contains_point from the indexes. Requires: the polygon exists.
  bool contains(std::uint32_t polygon, const XY& p) const noexcept;
  // The winding number of a long arc round `p` as arc_winding_no computes
  // it, from its chunks: those far from `p` by their ranges, the others step
  // by step. Returns false, leaving `wn` alone, when `p` lies so close to a
  // step that rounding could make the difference.
  bool chunked_winding_no(const ArcExtent& arc, const XY& p,
                          int* wn) const noexcept;

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
  std::vector<std::uint32_t> polygon_at;  // record position of each polygon
  std::vector<ArcExtent> arcs;
  std::vector<ArcChunk> chunks;
  // Bucket (bx, by) lists bucket_polygons[bucket_first[k] ...
  // bucket_first[k + 1]) for k = by * kBucketsPerSide + bx.
  std::vector<std::uint32_t> bucket_first;
  std::vector<std::uint32_t> bucket_polygons;
};

extern template class LocatedCountryFinder<data::InMemory>;

}  // namespace find_country
}  // namespace tessera

#endif  // TESSERA_FIND_COUNTRY_LOCATED_COUNTRY_FINDER_H_
