#include "find_nearest_place/located_kd_tree.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "data/in_memory.h"
#include "data/integrity.h"
#include "data/on_disk.h"
#include "find_nearest_place/kdtree_format.h"
#include "find_nearest_place/kdtree_point.h"

namespace tessera {
namespace find_nearest_place {
namespace {

constexpr double kEarthRadiusM = 6371000.0;
// The largest radius limit: the square of 2^28 - 1 units.
constexpr std::int64_t kMaxRadiusLimit = 0x00FFFFFFE0000001;

struct Header {
  std::uint32_t leaf_span;
  std::uint32_t node_count;
  std::uint32_t point_limit;
};

std::uint32_t candidates(std::uint32_t leaf_span,
                         std::uint32_t point_limit) noexcept {
  const std::uint32_t below_limit = point_limit == 0 ? 0 : point_limit - 1;
  return below_limit < leaf_span ? below_limit : leaf_span;
}

template <typename Source>
Header read_header(const Source& source) {
  typename Source::View view(source);
  view.seek(kLeafSpanOffset);
  Header header;
  header.leaf_span = view.read_u32();
  header.node_count = view.read_u32();
  header.point_limit = view.read_u32();
  const std::uint32_t span = header.leaf_span;
  if (span == 0 || span > kMaxLeafSpan || (span & (span - 1)) != 0) {
    view.fail("the leaf span " + std::to_string(span) +
              " is not a power of two up to 2^30");
  }
  if (header.node_count < span - 1) {
    view.fail("there are " + std::to_string(header.node_count) +
              " nodes, too few for a leaf span of " + std::to_string(span));
  }
  // All terms are below 2^36, so the sum cannot overflow 64 bits.
  const std::uint64_t end =
      leaf_offset(header.node_count, candidates(span, header.point_limit));
  if (end > view.size()) {
    view.fail("the nodes and points need " + std::to_string(end) +
              " bytes, more than the file's " + std::to_string(view.size()));
  }
  return header;
}

}  // namespace

// The state of one query: the best leaf so far and its squared distance,
// which starts as the radius limit so that only strictly nearer places count.
template <typename Source>
class LocatedKDTree<Source>::ProbeNearest {
 public:
  ProbeNearest(const LocatedKDTree& tree, const Point& q, std::int64_t limit)
      : tree_(tree),
        nodes_(tree.source),
        points_(tree.source),
        q_{q.x, q.y, q.z},
        best_distance_(limit) {}

  void scan_subtree(int depth, int first_leaf, int node, std::size_t slot) {
    const std::uint32_t span = tree_.leaf_span >> depth;
    if (span == 1) {
      if (static_cast<std::int64_t>(first_leaf) + 1 < tree_.point_limit) {
        const Point p = tree_.read_point(points_, first_leaf);
        const std::int64_t dx = p.x - q_[0];
        const std::int64_t dy = p.y - q_[1];
        const std::int64_t dz = p.z - q_[2];
        const std::int64_t d = dx * dx + dy * dy + dz * dz;
        if (d < best_distance_) {
          best_ = first_leaf;
          best_distance_ = d;
        }
      }
      return;
    }
    const bool cached = depth < tree_.cached_levels;
    const std::int32_t split =
        cached ? tree_.top_splits[slot]
               : tree_.read_split(nodes_, static_cast<std::uint32_t>(node));
    const std::int64_t delta = q_[depth % 3] - split;
    const std::int64_t plane = delta * delta;
    const int h = static_cast<int>(span / 2);
    const std::size_t left = cached ? 2 * slot : 0;
    const std::size_t right = cached ? 2 * slot + 1 : 0;
    if (delta < 0) {
      scan_subtree(depth + 1, first_leaf, node + 1, left);
      if (!(best_distance_ < plane)) {
        scan_subtree(depth + 1, first_leaf + h, node + h, right);
      }
    } else {
      scan_subtree(depth + 1, first_leaf + h, node + h, right);
      if (!(best_distance_ < plane)) {
        scan_subtree(depth + 1, first_leaf, node + 1, left);
      }
    }
  }

  const Optional<int>& best() const noexcept { return best_; }

 private:
  const LocatedKDTree& tree_;
  typename Source::View nodes_;
  typename Source::View points_;
  const std::int64_t q_[3];
  Optional<int> best_;
  std::int64_t best_distance_;
};

template <typename Source>
LocatedKDTree<Source>::LocatedKDTree(Source&& source)
    : source(std::move(source)) {
  const Header header = read_header(this->source);
  leaf_span = header.leaf_span;
  node_count = header.node_count;
  point_limit = header.point_limit;
  // A span of 2^k has nodes at depths 0 ... k - 1.
  int depths = 0;
  while ((std::uint32_t{1} << depths) < leaf_span) ++depths;
  cached_levels = depths < kCachedLevels ? depths : kCachedLevels;
  top_splits.resize(std::size_t{1} << cached_levels);
  if (cached_levels > 0) cache_splits(0, 0, 1);
}

template <typename Source>
void LocatedKDTree<Source>::cache_splits(int depth, std::uint32_t node,
                                         std::size_t slot) {
  if (depth >= cached_levels) return;
  typename Source::View view(source);
  top_splits[slot] = read_split(view, node);
  const std::uint32_t h = (leaf_span >> depth) / 2;
  cache_splits(depth + 1, node + 1, 2 * slot);
  cache_splits(depth + 1, node + h, 2 * slot + 1);
}

template <typename Source>
std::uint32_t LocatedKDTree<Source>::place_count() const noexcept {
  return candidates(leaf_span, point_limit);
}

template <typename Source>
std::int32_t LocatedKDTree<Source>::read_split(typename Source::View& view,
                                               std::uint32_t node) const {
  // The header check keeps every node of the complete tree inside the file.
  view.seek(node_offset(node));
  return view.read_i32();
}

template <typename Source>
Point LocatedKDTree<Source>::read_point(int i) const {
  typename Source::View view(source);
  return read_point(view, i);
}

template <typename Source>
Point LocatedKDTree<Source>::read_point(typename Source::View& view,
                                        int i) const {
  if (i < 0 || static_cast<std::uint32_t>(i) >= place_count()) {
    data::integrity_failure(source.name(),
                            "leaf " + std::to_string(i) + " holds no place");
  }
  view.seek(leaf_offset(node_count, i));
  const std::uint32_t a = view.read_u32();
  const std::uint32_t b = view.read_u32();
  if (a >= kQuantisationSteps || b >= kQuantisationSteps) {
    data::integrity_failure(
        source.name(), "leaf " + std::to_string(i) + " lies outside the grid");
  }
  return Point::from_coords(leaf_position(a, b));
}

template <typename Source>
Optional<int> LocatedKDTree<Source>::nearest_to(const Coordinates& position,
                                                double radius_m) const {
  std::int64_t limit;
  if (!(radius_m >= 0)) {  // Negative or NaN: nothing is near enough.
    limit = 0;
  } else if (radius_m >= kEarthRadiusM) {
    limit = kMaxRadiusLimit;
  } else {
    const auto k = static_cast<std::int64_t>(radius_m / kEarthRadiusM *
                                             kPointSphereRadius);
    limit = k * k;
  }
  ProbeNearest probe(*this, Point::from_coords(position), limit);
  probe.scan_subtree(0, 0, 0, 1);
  return probe.best();
}

template class LocatedKDTree<data::OnDisk>;
template class LocatedKDTree<data::InMemory>;

}  // namespace find_nearest_place
}  // namespace tessera
