#include "clip/clip_to_polygon.h"

#include <limits>
#include <vector>

#include "gtest/gtest.h"

namespace tessera {
namespace clip {
namespace {

// An L: the square from (0, 0) to (10, 10) without its north-east quarter.
Polygon l_shape() {
  return Polygon({Coordinates(0, 0), Coordinates(0, 10), Coordinates(5, 10),
                  Coordinates(5, 5), Coordinates(10, 5), Coordinates(10, 0),
                  Coordinates(0, 0)});
}

TEST(ClipToPolygon, KeepsTheInsideOfTheRingOnly) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double lat, lng;
    bool kept;
  } kCases[] = {
      {2, 2, true},    {2, 8, true},    {8, 2, true},
      {8, 8, false},  // in the box, but in the missing quarter
      {-1, 2, false},  {2, 11, false},  {11, 11, false},
      {2, nan, false}, {nan, 2, false},
  };
  const ClipToPolygon clip(l_shape());
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.lat << ", " << c.lng);
    EXPECT_EQ(clip.keep(Coordinates(c.lat, c.lng)), c.kept);
  }
  EXPECT_EQ(clip.polygon().points.size(), 7u);
}

TEST(ClipToPolygon, EitherOrientationIsInside) {
  std::vector<Coordinates> ring = l_shape().points;
  const ClipToPolygon reversed(Polygon({ring.rbegin(), ring.rend()}));
  EXPECT_TRUE(reversed.keep(Coordinates(2, 2)));
  EXPECT_FALSE(reversed.keep(Coordinates(8, 8)));
}

}  // namespace
}  // namespace clip
}  // namespace tessera
