// Layout of "nearest_place_finder/kdtree.data", shared by its reader and the
// data builder's writer.
//
//   offset 0                    u32  length of the file (framing)
//   offset 4                    u32  leaf span S, a power of two
//   offset 8                    u32  node count, at least S - 1
//   offset 12                   u32  point limit P: leaf i holds a place
//                                    only when i + 1 < P
//   offset 16 + 4*j             i32  split value of node j
//   offset 16 + 4*(nodes) + 8*i u32  quantised latitude a of leaf i,
//                               u32  then quantised longitude b
//
// The nodes form a complete binary tree in pre-order: node j at depth d
// covers S >> d leaf positions from leaf i; its left child is node j + 1
// (leaves from i), its right child node j + h (leaves from i + h), with
// h = (S >> d) / 2. A node at depth d splits on axis d mod 3 (x, y, z):
// points on its left lie below the split value, points on its right at or
// above it. A span of 1 is a leaf and has no node.
#ifndef TESSERA_FIND_NEAREST_PLACE_KDTREE_FORMAT_H_
#define TESSERA_FIND_NEAREST_PLACE_KDTREE_FORMAT_H_

#include <cstdint>

namespace tessera {
namespace find_nearest_place {

inline constexpr char kKdTreeFileName[] = "nearest_place_finder/kdtree.data";

constexpr std::int32_t kLeafSpanOffset = 4;
constexpr std::int32_t kNodeCountOffset = 8;
constexpr std::int32_t kPointLimitOffset = 12;
constexpr std::int32_t kNodeTableOffset = 16;
constexpr std::int32_t kNodeSize = 4;
constexpr std::int32_t kLeafSize = 8;
// Quantised latitudes and longitudes are below this.
constexpr std::uint32_t kQuantisationSteps = 65536;
// Leaf positions are ints; a larger span could not be numbered.
constexpr std::uint32_t kMaxLeafSpan = std::uint32_t{1} << 30;

constexpr std::int64_t node_offset(std::int64_t j) noexcept {
  return kNodeTableOffset + kNodeSize * j;
}

constexpr std::int64_t leaf_offset(std::int64_t node_count,
                                   std::int64_t i) noexcept {
  return kNodeTableOffset + kNodeSize * node_count + kLeafSize * i;
}

}  // namespace find_nearest_place
}  // namespace tessera

#endif  // TESSERA_FIND_NEAREST_PLACE_KDTREE_FORMAT_H_
