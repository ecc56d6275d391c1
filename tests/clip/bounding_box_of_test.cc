#include "clip/bounding_box_of.h"

#include <limits>

#include "gtest/gtest.h"

namespace tessera {
namespace clip {
namespace {

TEST(BoundingBoxOf, TakesTheExtremesOfEachAxis) {
  const BoundingBox box = bounding_box_of(Polygon(
      {Coordinates(-3.25, 40), Coordinates(7, -12.5), Coordinates(2, 100.125),
       Coordinates(-8, 3), Coordinates(-3.25, 40)}));
  EXPECT_EQ(box.sw.lat, -8);
  EXPECT_EQ(box.sw.lng, -12.5);
  EXPECT_EQ(box.ne.lat, 7);
  EXPECT_EQ(box.ne.lng, 100.125);
}

TEST(BoundingBoxOf, PassesOverNaN) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const BoundingBox box =
      bounding_box_of(Polygon({Coordinates(1, 2), Coordinates(nan, 50),
                               Coordinates(3, nan), Coordinates(1, 2)}));
  EXPECT_EQ(box.sw.lat, 1);
  EXPECT_EQ(box.sw.lng, 2);
  EXPECT_EQ(box.ne.lat, 3);
  EXPECT_EQ(box.ne.lng, 50);
}

}  // namespace
}  // namespace clip
}  // namespace tessera
