// Rings of corners on the quantised plane of a countries file (x and y in
// whole units, 0 ... 65,535 each, x a full turn of longitude): simplifying
// them, cutting them at the antimeridian and along a parallel.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_PLANE_RINGS_H_
#define TESSERA_TOOLS_MKDATA_WORLD_PLANE_RINGS_H_

#include <cstdint>
#include <vector>

namespace tessera {
namespace mkdata {

inline constexpr std::int64_t kPlaneMaxUnit = 65535;
// A full turn of longitude, in x units: x = 0 and x = kPlaneMaxUnit are the
// antimeridian's two sides.
inline constexpr std::int64_t kPlaneTurn = kPlaneMaxUnit;

// A corner. Unwrapped rings may reach a turn beyond either side of the
// plane.
struct PlanePoint {
  std::int64_t x;
  std::int64_t y;

  friend bool operator==(const PlanePoint& a, const PlanePoint& b) {
    return a.x == b.x && a.y == b.y;
  }
  friend bool operator<(const PlanePoint& a, const PlanePoint& b) {
    return a.x != b.x ? a.x < b.x : a.y < b.y;
  }
};

// A ring lists each corner once, without repeating the first at the end;
// a polygon is its outer ring and then its holes.
using PlaneRing = std::vector<PlanePoint>;
using PlanePolygon = std::vector<PlaneRing>;

struct PlaneBox {
  std::int64_t west;
  std::int64_t south;
  std::int64_t east;
  std::int64_t north;
};

// Removes corners equal to the one before them, and repeats of the first
// corner at the end.
void remove_repeats(PlaneRing* ring);

// Twice the signed area, positive counter-clockwise. Exact for rings within
// a few turns of the plane of fewer than 10^6 corners.
std::int64_t twice_area(const PlaneRing& ring);

// Whether a countries file can hold the ring (three distinct corners) and
// it encloses some area.
bool is_usable(const PlaneRing& ring);

// Requires: a ring that is not empty.
PlaneBox box_of(const PlaneRing& ring);

// `chain` without the corners that lie within `tolerance` units of the
// line through the corners kept round them (Douglas-Peucker); both ends
// stay. An edge that crosses the antimeridian (a jump of more than half a
// turn) is measured the short way round.
PlaneRing simplified(const PlaneRing& chain, double tolerance);

// The polygon cut at the antimeridian into polygons on the plane, each an
// outer ring and the holes whose boxes its box holds. An edge longer than
// half a turn is taken to cross the antimeridian. A ring that goes round a
// pole is closed along the edge of the plane there: y = 0 for a ring whose
// mean y lies in the southern half, y = kPlaneMaxUnit otherwise. A polygon
// that crosses nothing comes back whole; pieces that are not usable are
// dropped. Requires: rings that are not empty.
std::vector<PlanePolygon> split_at_antimeridian(const PlanePolygon& polygon);

// The part of `polygon`, on the plane, south of y = `bound` (`north` false)
// or north of it; empty when its outer ring leaves nothing usable there.
// Where a ring leaves the side and comes back, the part runs along the
// bound, which changes no winding number off it. Both sides cut a shared
// edge at the same corner.
PlanePolygon part_beyond_parallel(const PlanePolygon& polygon,
                                  std::int64_t bound, bool north);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_PLANE_RINGS_H_
