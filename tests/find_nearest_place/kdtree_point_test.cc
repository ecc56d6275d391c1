#include "find_nearest_place/kdtree_point.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tessera/coordinates.h"
#include "tessera/error.h"

namespace tessera {
namespace find_nearest_place {
namespace {

TEST(KdtreePointTest, FromCoordsTruncatesTowardZero) {
  // Expected values computed independently in double precision.
  const struct {
    double lat, lng;
    std::int32_t x, y, z;
  } kCases[] = {
      {0, 0, 268435455, 0, 0},
      {90, 0, 0, 0, 268435455},
      {-90, 0, 0, 0, -268435455},
      {0, 90, 0, 268435455, 0},
      {0, -180, -268435455, 0, 0},
      {51.5, -0.125, 167104602, -364566, 210079777},
      {-33.9, 151.2, -195245269, 107336995, -149718562},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.lat << ", " << c.lng);
    const Point p = Point::from_coords(Coordinates(c.lat, c.lng));
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
    EXPECT_EQ(p.z, c.z);
    EXPECT_EQ(p[0], c.x);
    EXPECT_EQ(p[1], c.y);
    EXPECT_EQ(p[2], c.z);
  }
}

TEST(KdtreePointTest, LeafPositionIsTheCellCentre) {
  const Coordinates first = leaf_position(0, 0);
  EXPECT_EQ(first.lat, -89.998626708984375);
  EXPECT_EQ(first.lng, -179.99725341796875);
  const Coordinates last = leaf_position(65535, 65535);
  EXPECT_EQ(last.lat, 89.998626708984375);
  EXPECT_EQ(last.lng, 179.99725341796875);
  const Coordinates middle = leaf_position(32768, 32768);
  EXPECT_EQ(middle.lat, 0.001373291015625);
  EXPECT_EQ(middle.lng, 0.00274658203125);
  EXPECT_THROW(leaf_position(65536, 0), InvalidArgumentError);
}

}  // namespace
}  // namespace find_nearest_place
}  // namespace tessera
