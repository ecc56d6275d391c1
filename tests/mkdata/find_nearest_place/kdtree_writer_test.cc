#include "mkdata/find_nearest_place/kdtree_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "data/little_endian.h"
#include "find_nearest_place/kdtree_point.h"
#include "tessera/coordinates.h"
#include "testing/hex.h"

namespace tessera {
namespace mkdata {
namespace {

using find_nearest_place::leaf_position;
using find_nearest_place::Point;

std::uint32_t u32_at(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return data::decode_u32(bytes.data() + at);
}

// Checks the file against the tree's layout rules, walking it from the
// root: every place on the left of a node lies below its split value on the
// node's axis, every place on its right at or above it.
class TreeChecker {
 public:
  TreeChecker(const std::vector<std::uint8_t>& bytes, std::uint32_t places)
      : bytes_(bytes), places_(places) {
    span_ = u32_at(bytes, 4);
    nodes_ = u32_at(bytes, 8);
  }

  // The points of the places below the subtree, after checking it.
  std::vector<Point> check(int depth, std::uint32_t leaf, std::uint32_t node) {
    const std::uint32_t span = span_ >> depth;
    if (span == 1) {
      if (leaf >= places_) return {};
      const std::size_t at = 16 + 4 * std::size_t{nodes_} + 8 * leaf;
      return {Point::from_coords(
          leaf_position(u32_at(bytes_, at), u32_at(bytes_, at + 4)))};
    }
    const auto split = static_cast<std::int32_t>(u32_at(bytes_, 16 + 4 * node));
    const int axis = depth % 3;
    std::vector<Point> left = check(depth + 1, leaf, node + 1);
    std::vector<Point> right =
        check(depth + 1, leaf + span / 2, node + span / 2);
    for (const Point& p : left) EXPECT_LT(p[axis], split);
    for (const Point& p : right) EXPECT_GE(p[axis], split);
    left.insert(left.end(), right.begin(), right.end());
    return left;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::uint32_t places_;
  std::uint32_t span_;
  std::uint32_t nodes_;
};

TEST(KdtreeWriterTest, WritesSmallTreesExactly) {
  EXPECT_EQ(kdtree_file({}).bytes,
            test::from_hex("10000000 01000000 00000000 01000000"));
  const KDTreeFile one = kdtree_file({{32768, 32769}});
  EXPECT_EQ(one.bytes, test::from_hex("18000000 01000000 00000000 02000000"
                                      "00800000 01800000"));
  EXPECT_EQ(one.place_at_leaf, std::vector<std::uint32_t>{0});
  // Two places on the equator: x is lower further east, so the eastern one
  // goes left and the split is the western one's x, 268435455.
  const KDTreeFile two = kdtree_file({{32768, 32768}, {32768, 32769}});
  EXPECT_EQ(two.bytes, test::from_hex("24000000 02000000 01000000 03000000"
                                      "FFFFFF0F"
                                      "00800000 01800000 00800000 00800000"));
  EXPECT_EQ(two.place_at_leaf, (std::vector<std::uint32_t>{1, 0}));
}

TEST(KdtreeWriterTest, RandomTreesAreBalancedAndSplitCorrectly) {
  std::mt19937 random(4242);
  for (const std::uint32_t n : {3u, 5u, 8u, 100u, 1025u}) {
    SCOPED_TRACE(n);
    std::set<std::pair<std::uint32_t, std::uint32_t>> cells;
    while (cells.size() < n) cells.insert({random() % 65536, random() % 65536});
    std::vector<QuantisedPosition> positions;
    for (const auto& [a, b] : cells) positions.push_back({a, b});
    std::shuffle(positions.begin(), positions.end(), random);

    const KDTreeFile file = kdtree_file(positions);
    std::uint32_t span = 1;
    while (span < n) span *= 2;
    EXPECT_EQ(u32_at(file.bytes, 0), file.bytes.size());
    EXPECT_EQ(u32_at(file.bytes, 4), span);
    EXPECT_EQ(u32_at(file.bytes, 8), span - 1);
    EXPECT_EQ(u32_at(file.bytes, 12), n + 1);
    EXPECT_EQ(file.bytes.size(), 16 + 4 * (span - 1) + 8 * n);

    // Leaf i holds the place that place_at_leaf names, each place once.
    std::vector<std::uint32_t> sorted = file.place_at_leaf;
    std::sort(sorted.begin(), sorted.end());
    for (std::uint32_t i = 0; i < n; ++i) {
      EXPECT_EQ(sorted[i], i);
      const std::size_t at = 16 + 4 * std::size_t{span - 1} + 8 * i;
      EXPECT_EQ(u32_at(file.bytes, at), positions[file.place_at_leaf[i]].a);
      EXPECT_EQ(u32_at(file.bytes, at + 4), positions[file.place_at_leaf[i]].b);
    }
    EXPECT_EQ(TreeChecker(file.bytes, n).check(0, 0, 0).size(), n);
  }
}

TEST(KdtreeWriterTest, QuantisesToTheCellHoldingThePosition) {
  const struct {
    double lat, lng;
    std::uint32_t a, b;
  } kCases[] = {
      {-90, -180, 0, 0},       {90, 180, 65535, 0},
      {0, 0, 32768, 32768},    {-0.001, -0.001, 32767, 32767},
      {45, 90, 49152, 49152},  {0, 540, 32768, 0},
      {0, -190, 32768, 63715},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.lat << ", " << c.lng);
    const QuantisedPosition q = quantise(Coordinates(c.lat, c.lng));
    EXPECT_EQ(q.a, c.a);
    EXPECT_EQ(q.b, c.b);
  }
}

TEST(KdtreeWriterTest, RejectsCellsOffTheGrid) {
  EXPECT_THROW(kdtree_file({{65536, 0}}), std::invalid_argument);
  EXPECT_THROW(kdtree_file({{0, 0}, {0, 65536}}), std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
