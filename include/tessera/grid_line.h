#ifndef TESSERA_GRID_LINE_H_
#define TESSERA_GRID_LINE_H_

#include "tessera/coordinates.h"

namespace tessera {

// One grid line clipped to an area: the western end of a line of latitude,
// the southern end of a line of longitude, comes first.
struct GridLine {
  Coordinates start_point;
  Coordinates end_point;
};

}  // namespace tessera

#endif  // TESSERA_GRID_LINE_H_
