// The grid lines inside a small area, for drawing the grid on a map.
#ifndef TESSERA_ALGORITHM_GRID_SECTION_H_
#define TESSERA_ALGORITHM_GRID_SECTION_H_

#include <vector>

#include "tessera/bounding_box.h"
#include "tessera/grid_line.h"

namespace tessera {
namespace algorithm {

// Every grid line that meets `box`, clipped to it: first the lines of constant
// latitude between square rows, south to north, each running west to east
// across the box; then the lines of constant longitude between square
// columns, west to east, each running south to north. When the box spans two
// cell rows (whose squares may have different widths), the longitude lines of
// the northern row, from the row boundary up to the north edge, come before
// those of the southern row, from the south edge up to the boundary. Lines on
// the box's edges are included. Every coordinate is rounded to 6 decimals.
//
// Longitudes are used as given, not wrapped into [-180, 180). A box whose
// north edge is at latitude 90 takes its longitude lines from the top row of
// squares, the row that holds latitude 90.
//
// Throws InvalidArgumentError "Grid section requested too large." when the
// distance between the box's corners exceeds 4000 m or the box spans 180
// degrees of longitude or more, and when the distance cannot be measured (a
// NaN or infinite corner).
std::vector<GridLine> grid_section(const BoundingBox& box);

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_GRID_SECTION_H_
