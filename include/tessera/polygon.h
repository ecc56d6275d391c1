#ifndef TESSERA_POLYGON_H_
#define TESSERA_POLYGON_H_

#include <vector>

#include "tessera/coordinates.h"
#include "tessera/error_descriptor.h"

namespace tessera {

// A closed ring of positions: the last point repeats the first exactly.
struct Polygon {
  std::vector<Coordinates> points;

  // Copies `points`, then throws InvalidArgumentError when the ring has more
  // than 2^20 points, fewer than 4, or is not closed.
  explicit Polygon(const std::vector<Coordinates>& points);

  static ErrorDescriptor is_valid(const std::vector<Coordinates>& points);

  // Winding-number test with latitude as the first axis. Points on an edge
  // count for nothing from that edge; either orientation counts as inside.
  bool contains(const Coordinates& p) const;
};

}  // namespace tessera

#endif  // TESSERA_POLYGON_H_
