// The place tree read from "nearest_place_finder/kdtree.data" through a data
// source.
#ifndef TESSERA_FIND_NEAREST_PLACE_LOCATED_KD_TREE_H_
#define TESSERA_FIND_NEAREST_PLACE_LOCATED_KD_TREE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "find_nearest_place/kd_tree.h"
#include "find_nearest_place/kdtree_point.h"
#include "tessera/coordinates.h"
#include "tessera/optional.h"

namespace tessera {
namespace find_nearest_place {

// A KDTree over the file held by `Source`, data::OnDisk or
// data::InMemory; both give identical results. The split values of the top
// kCachedLevels levels (every search passes them) are read once at
// construction and held, 16 KB at most; deeper nodes and the points are
// read as the search visits them, through two views that live for the
// search.
// Owns its source; movable, not copyable. Thread-safe.
template <typename Source>
class LocatedKDTree : public KDTree {
 public:
  using Point = find_nearest_place::Point;

  static constexpr int kCachedLevels = 12;

  // Takes over `source` and reads the leaf span, node count and point limit.
  // Throws FileError with an integrity-failure message when the file is too
  // short for its header, the leaf span is not a power of two up to 2^30,
  // there are fewer than span - 1 nodes, or the nodes or the leaves that can
  // hold a place run past the end of the file.
  explicit LocatedKDTree(Source&& source);

  LocatedKDTree(LocatedKDTree&&) = default;
  LocatedKDTree& operator=(LocatedKDTree&&) = default;

  Optional<int> nearest_to(const Coordinates& position,
                           double radius_m) const override;

  // The point of leaf position i. Throws FileError when i is not a leaf
  // that can hold a place, or its quantised latitude or longitude is not
  // below 65,536.
  Point read_point(int i) const;

  // The number of leaf positions that can hold a place: the smaller of the
  // leaf span and the point limit - 1. Places are numbered below it.
  std::uint32_t place_count() const noexcept;

 private:
  class ProbeNearest;

  // Through `view`, which a search keeps for all its reads of one kind:
  // a node's left child follows it in the file, and neighbouring leaves lie
  // side by side, so an OnDisk view's window often holds the next read.
  std::int32_t read_split(typename Source::View& view,
                          std::uint32_t node) const;
  Point read_point(typename Source::View& view, int i) const;
  // Reads the splits of the nodes at depth `depth` and below, down to
  // cached_levels, from node `node` in pre-order; `slot` is the node's place
  // in top_splits.
  void cache_splits(int depth, std::uint32_t node, std::size_t slot);

  Source source;
  std::uint32_t leaf_span;
  std::uint32_t node_count;
  std::uint32_t point_limit;
  int cached_levels;
  // The split of the node at depth d < cached_levels reached by the path
  // p (bits, 1 = right) sits at slot 2^d + p: the root at 1, the children
  // of slot s at 2s and 2s + 1.
  std::vector<std::int32_t> top_splits;
};

extern template class LocatedKDTree<data::OnDisk>;
extern template class LocatedKDTree<data::InMemory>;

}  // namespace find_nearest_place
}  // namespace tessera

#endif  // TESSERA_FIND_NEAREST_PLACE_LOCATED_KD_TREE_H_
