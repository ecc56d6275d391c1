// Writes "nearest_place_finder/kdtree.data", the tree of place positions.
#ifndef TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_KDTREE_WRITER_H_
#define TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_KDTREE_WRITER_H_

#include <cstdint>
#include <vector>

#include "tessera/coordinates.h"

namespace tessera {
namespace mkdata {

// A place position as stored in the tree: the cell numbers a (latitude) and
// b (longitude), each below 65,536, of a 65,536 x 65,536 grid over the
// globe. The tree compares the centres of the cells.
struct QuantisedPosition {
  std::uint32_t a;
  std::uint32_t b;
};

// The cell holding `position`: a = floor((lat + 90) / 180 * 65536) and
// b = floor((lng + 180) / 360 * 65536), with latitude 90 in the top row and
// the longitude first wrapped into [-180, 180). Never throws.
QuantisedPosition quantise(const Coordinates& position) noexcept;

struct KDTreeFile {
  // The framed file, ready for write_data_file.
  std::vector<std::uint8_t> bytes;
  // place_at_leaf[i]: the index in the input of the place at leaf i. The
  // leaf position is the place's number in the places file, so places must
  // be written in this order.
  std::vector<std::uint32_t> place_at_leaf;
};

// The balanced tree of `positions`: the smallest power-of-two leaf span
// that holds them, span - 1 nodes in pre-order, point limit = number of
// places + 1, the places on leaves 0 ... n-1. Each node gives its left side
// as many places as it has leaves below that limit, the ones lowest on its
// axis, and splits at the lowest coordinate of its right side (one above
// the highest of its left side when the right is empty), so the left side
// is below the split value unless points at the boundary share that
// coordinate. Deterministic.
//
// Throws std::invalid_argument when a cell number is not below 65,536 and
// std::length_error when the file would exceed the 16 MiB that readers
// accept.
KDTreeFile kdtree_file(const std::vector<QuantisedPosition>& positions);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_KDTREE_WRITER_H_
