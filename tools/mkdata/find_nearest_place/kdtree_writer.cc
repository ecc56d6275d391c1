#include "mkdata/find_nearest_place/kdtree_writer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "find_nearest_place/kdtree_format.h"
#include "find_nearest_place/kdtree_point.h"
#include "mkdata/byte_writer.h"

namespace tessera {
namespace mkdata {
namespace {

using find_nearest_place::kQuantisationSteps;
using find_nearest_place::Point;

std::uint32_t cell(double fraction) {
  const double scaled = std::floor(fraction * kQuantisationSteps);
  if (!(scaled >= 0)) return 0;
  if (scaled >= kQuantisationSteps) return kQuantisationSteps - 1;
  return static_cast<std::uint32_t>(scaled);
}

class TreeBuilder {
 public:
  TreeBuilder(const std::vector<QuantisedPosition>& positions,
              std::uint32_t leaf_span)
      : leaf_span_(leaf_span),
        nodes_(leaf_span - 1, 0),
        place_at_leaf_(positions.size()) {
    points_.reserve(positions.size());
    order_.reserve(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
      points_.push_back(Point::from_coords(
          find_nearest_place::leaf_position(positions[i].a, positions[i].b)));
      order_.push_back(static_cast<std::uint32_t>(i));
    }
  }

  // Places order_[begin, end) on the leaves from `first_leaf` of the
  // subtree at `depth` whose root is node `node`.
  void build(int depth, std::uint32_t first_leaf, std::uint32_t node,
             std::size_t begin, std::size_t end) {
    const std::uint32_t span = leaf_span_ >> depth;
    if (span == 1) {
      if (begin < end) place_at_leaf_[first_leaf] = order_[begin];
      return;
    }
    const std::uint32_t h = span / 2;
    const int axis = depth % 3;
    const std::size_t count = end - begin;
    const std::size_t left = std::min<std::size_t>(count, h);
    const auto less = [this, axis](std::uint32_t p, std::uint32_t q) {
      const std::int32_t cp = points_[p][axis];
      const std::int32_t cq = points_[q][axis];
      return cp < cq || (cp == cq && p < q);
    };
    std::int32_t split = 0;
    if (left < count) {
      std::nth_element(order_.begin() + begin, order_.begin() + begin + left,
                       order_.begin() + end, less);
      split = points_[order_[begin + left]][axis];
    } else if (count > 0) {
      const auto highest =
          std::max_element(order_.begin() + begin, order_.begin() + end, less);
      split = points_[*highest][axis] + 1;
    }
    nodes_[node] = split;
    build(depth + 1, first_leaf, node + 1, begin, begin + left);
    build(depth + 1, first_leaf + h, node + h, begin + left, end);
  }

  const std::vector<std::int32_t>& nodes() const { return nodes_; }
  const std::vector<std::uint32_t>& place_at_leaf() const {
    return place_at_leaf_;
  }

 private:
  std::uint32_t leaf_span_;
  std::vector<Point> points_;
  std::vector<std::uint32_t> order_;
  std::vector<std::int32_t> nodes_;
  std::vector<std::uint32_t> place_at_leaf_;
};

}  // namespace

QuantisedPosition quantise(const Coordinates& position) noexcept {
  double lng = std::fmod(position.lng + 180.0, 360.0);
  if (lng < 0) lng += 360.0;
  return QuantisedPosition{cell((position.lat + 90.0) / 180.0),
                           cell(lng / 360.0)};
}

KDTreeFile kdtree_file(const std::vector<QuantisedPosition>& positions) {
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (positions[i].a >= kQuantisationSteps ||
        positions[i].b >= kQuantisationSteps) {
      throw std::invalid_argument("place " + std::to_string(i) +
                                  " lies outside the 65536 x 65536 grid");
    }
  }
  // Each place takes at least 8 bytes, so a count that passes this check
  // also keeps the leaf span inside 32 bits.
  if (positions.size() > find_nearest_place::kMaxLeafSpan / 2) {
    throw std::length_error("too many places for one tree");
  }
  std::uint32_t leaf_span = 1;
  while (leaf_span < positions.size()) leaf_span <<= 1;

  TreeBuilder builder(positions, leaf_span);
  builder.build(0, 0, 0, 0, positions.size());

  ByteWriter body;
  body.u32(leaf_span);
  body.u32(leaf_span - 1);
  body.u32(static_cast<std::uint32_t>(positions.size() + 1));
  for (const std::int32_t split : builder.nodes()) body.i32(split);
  for (const std::uint32_t place : builder.place_at_leaf()) {
    body.u32(positions[place].a);
    body.u32(positions[place].b);
  }
  return KDTreeFile{frame(body.bytes()), builder.place_at_leaf()};
}

}  // namespace mkdata
}  // namespace tessera
