#include "find_nearest_place/located_kd_tree.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "find_nearest_place/kdtree_point.h"
#include "find_nearest_place/source_maker.h"
#include "mkdata/find_nearest_place/kdtree_writer.h"
#include "tessera/coordinates.h"
#include "tessera/error.h"
#include "testing/hex.h"

namespace tessera {
namespace find_nearest_place {
namespace {

// Leaf span 2, one node (split 268435454 on x), point limit 3: leaf 0 at
// cell (32768, 32769), x = 268435453; leaf 1 at cell (32768, 32768),
// x = 268435455.
const char kTwoLeavesHex[] =
    "24000000 02000000 01000000 03000000"
    "FEFFFF0F"
    "00800000 01800000  00800000 00800000";

std::string two_leaves(std::uint32_t point_limit) {
  std::string bytes = test::bytes_from_hex(kTwoLeavesHex);
  for (int i = 0; i < 4; ++i)
    bytes[12 + i] = static_cast<char>(point_limit >> (8 * i));
  return bytes;
}

// The squared chord limit of a radius, worked out from its definition.
std::int64_t radius_limit(double radius_m) {
  if (radius_m < 0) return 0;
  if (radius_m >= 6371000) {
    const std::int64_t units = (std::int64_t{1} << 28) - 1;
    return units * units;
  }
  const auto k = static_cast<std::int64_t>(radius_m / 6371000 * 268435455.875);
  return k * k;
}

std::int64_t squared_distance(const Point& p, const Point& q) {
  const std::int64_t dx = std::int64_t{p.x} - q.x;
  const std::int64_t dy = std::int64_t{p.y} - q.y;
  const std::int64_t dz = std::int64_t{p.z} - q.z;
  return dx * dx + dy * dy + dz * dz;
}

template <typename Source>
class LocatedKDTreeTest : public testing::Test {
 protected:
  LocatedKDTree<Source> make(const std::string& bytes) {
    return LocatedKDTree<Source>(maker_.make<Source>(bytes));
  }
  LocatedKDTree<Source> make(const std::vector<std::uint8_t>& bytes) {
    return LocatedKDTree<Source>(maker_.make<Source>(bytes));
  }

 private:
  test::SourceMaker maker_;
};

using Sources = testing::Types<data::InMemory, data::OnDisk>;
TYPED_TEST_SUITE(LocatedKDTreeTest, Sources);

// Random place sets of many sizes (with repeated cells, so that ties
// occur), random queries and radii: the tree's answer is the one a scan of
// every place gives, and among equally near places one of them.
TYPED_TEST(LocatedKDTreeTest, AgreesWithBruteForce) {
  std::mt19937 random(20261210);
  const double kRadii[] = {-1,    0,      0.5, 1,       1000,
                           50000, 300000, 2e6, 6371000, 1e9};
  // 20,000 places make a tree deeper than the levels held in memory.
  for (const int n : {1, 2, 3, 5, 17, 64, 700, 3000, 20000}) {
    SCOPED_TRACE(n);
    std::vector<mkdata::QuantisedPosition> positions;
    for (int i = 0; i < n; ++i) {
      if (i > 0 && random() % 8 == 0) {
        positions.push_back(positions[random() % i]);
      } else {
        positions.push_back({static_cast<std::uint32_t>(random() % 65536),
                             static_cast<std::uint32_t>(random() % 65536)});
      }
    }
    const mkdata::KDTreeFile file = mkdata::kdtree_file(positions);
    const auto tree = this->make(file.bytes);
    std::vector<Point> points;
    for (const std::uint32_t place : file.place_at_leaf) {
      points.push_back(Point::from_coords(
          leaf_position(positions[place].a, positions[place].b)));
    }

    for (int query = 0; query < 300; ++query) {
      // Half of the queries sit on a place, the others anywhere.
      Coordinates position(0, 0);
      if (query % 2 == 0) {
        const auto& cell = positions[random() % n];
        position = leaf_position(cell.a, cell.b);
      } else {
        position = Coordinates(random() / 4294967295.0 * 180 - 90,
                               random() / 4294967295.0 * 360 - 180);
      }
      const double radius = kRadii[random() % std::size(kRadii)];
      SCOPED_TRACE(testing::Message() << position.lat << ", " << position.lng
                                      << " within " << radius);
      const Point q = Point::from_coords(position);
      std::int64_t best = radius_limit(radius);
      std::vector<int> nearest;
      for (int i = 0; i < n; ++i) {
        const std::int64_t d = squared_distance(points[i], q);
        if (d < best) {
          best = d;
          nearest = {i};
        } else if (d == best && !nearest.empty()) {
          nearest.push_back(i);
        }
      }
      const Optional<int> found = tree.nearest_to(position, radius);
      if (nearest.empty()) {
        EXPECT_FALSE(found.has_value());
        continue;
      }
      ASSERT_TRUE(found.has_value());
      EXPECT_EQ(squared_distance(points[*found], q), best);
      if (nearest.size() == 1) {
        EXPECT_EQ(*found, nearest[0]);
      }
    }
  }
}

TYPED_TEST(LocatedKDTreeTest, RadiusLimitIsStrict) {
  const auto tree = this->make(two_leaves(3));
  const Coordinates on_leaf_1 = leaf_position(32768, 32768);
  // Distance 0 needs a limit above 0: 0.02 m truncates to 0 units, 1 m to
  // 42 units.
  EXPECT_FALSE(tree.nearest_to(on_leaf_1, -5).has_value());
  EXPECT_FALSE(tree.nearest_to(on_leaf_1, 0).has_value());
  EXPECT_FALSE(tree.nearest_to(on_leaf_1, 0.02).has_value());
  EXPECT_EQ(tree.nearest_to(on_leaf_1, 1), Optional<int>(1));
  // Leaf 0 lies one cell (about 611 m) further east.
  EXPECT_EQ(tree.nearest_to(leaf_position(32768, 32769), 1), Optional<int>(0));
  EXPECT_EQ(tree.nearest_to(leaf_position(32768, 32771), 1000),
            Optional<int>());
  EXPECT_EQ(tree.nearest_to(leaf_position(32768, 32771), 1300),
            Optional<int>(0));
  // The far side of the globe is beyond any radius: the cap is one Earth
  // radius of chord.
  EXPECT_FALSE(tree.nearest_to(Coordinates(0, 180), 1e12).has_value());
}

TYPED_TEST(LocatedKDTreeTest, LeavesAtOrPastThePointLimitAreNeverFound) {
  const Coordinates on_leaf_1 = leaf_position(32768, 32768);
  EXPECT_EQ(this->make(two_leaves(3)).nearest_to(on_leaf_1, 1e6),
            Optional<int>(1));
  EXPECT_EQ(this->make(two_leaves(2)).nearest_to(on_leaf_1, 1e6),
            Optional<int>(0));
  EXPECT_FALSE(
      this->make(two_leaves(1)).nearest_to(on_leaf_1, 1e6).has_value());
  EXPECT_FALSE(
      this->make(two_leaves(0)).nearest_to(on_leaf_1, 1e6).has_value());
  EXPECT_EQ(this->make(two_leaves(0xFFFFFFFF)).nearest_to(on_leaf_1, 1e6),
            Optional<int>(1));
  EXPECT_THROW(this->make(two_leaves(2)).read_point(1), FileError);
}

TYPED_TEST(LocatedKDTreeTest, SpanOneMakesTheRootALeaf) {
  const auto tree = this->make(test::bytes_from_hex(
      "18000000 01000000 00000000 02000000  00800000 00800000"));
  EXPECT_EQ(tree.place_count(), 1u);
  EXPECT_EQ(tree.nearest_to(Coordinates(0, 0), 1000), Optional<int>(0));
  EXPECT_FALSE(tree.nearest_to(Coordinates(10, 0), 1000).has_value());
}

TYPED_TEST(LocatedKDTreeTest, RejectsHeadersThatDoNotFitTheFile) {
  const struct {
    const char* what;
    const char* hex;
  } kCases[] = {
      {"short header", "0F000000 01000000 00000000 020000"},
      {"span 0", "10000000 00000000 00000000 01000000"},
      {"span 3", "20000000 03000000 02000000 01000000 00000000 00000000"},
      {"span 2^31", "10000000 00000080 00000000 01000000"},
      {"too few nodes", "10000000 02000000 00000000 01000000"},
      {"nodes past the end", "14000000 01000000 02000000 01000000 00000000"},
      {"points past the end",
       "20000000 02000000 01000000 03000000 00000000 00800000 00800000"},
      {"point limit past the end", "18000000 01000000 00000000 FFFFFFFF 0080"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(this->make(test::with_own_length(test::bytes_from_hex(c.hex))),
                 FileError);
  }
}

TYPED_TEST(LocatedKDTreeTest, RejectsPointsOffTheGrid) {
  for (const char* leaf : {"00000100 00000000", "00000000 00000100"}) {
    SCOPED_TRACE(leaf);
    const auto tree = this->make(test::bytes_from_hex(
        std::string("18000000 01000000 00000000 02000000") + leaf));
    EXPECT_THROW(tree.nearest_to(Coordinates(0, 0), 1e9), FileError);
  }
}

// Every prefix of a file, framed as if complete, lacks part of the header,
// the node or a place, and is rejected at construction.
TYPED_TEST(LocatedKDTreeTest, RejectsEveryTruncation) {
  const std::string whole = two_leaves(3);
  for (std::size_t size = 0; size < whole.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_THROW(this->make(test::with_own_length(whole.substr(0, size))),
                 FileError);
  }
}

}  // namespace
}  // namespace find_nearest_place
}  // namespace tessera
