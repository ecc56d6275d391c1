#include "clip/clip_to_bounding_box.h"

#include <cmath>
#include <limits>

#include "gtest/gtest.h"
#include "tessera/error.h"

namespace tessera {
namespace clip {
namespace {

TEST(ClipToBoundingBox, EdgesAreInsideAndNaNIsOutside) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double below_10 = std::nextafter(10.0, 0.0);
  const double above_21 = std::nextafter(21.0, 100.0);
  const struct {
    double lat, lng;
    bool kept;
  } kCases[] = {
      {10.5, 20.5, true},      {10, 20, true},          {11, 21, true},
      {10, 21, true},          {11, 20, true},          {10.5, 20, true},
      {below_10, 20.5, false}, {10.5, above_21, false}, {12, 20.5, false},
      {10.5, 19, false},       {10.5, 380.5, false},    {nan, 20.5, false},
      {10.5, nan, false},
  };
  const ClipToBoundingBox clip(
      BoundingBox(Coordinates(10, 20), Coordinates(11, 21)));
  const ClipToBoundingBox from_corners(Coordinates(10, 20),
                                       Coordinates(11, 21));
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.lat << ", " << c.lng);
    EXPECT_EQ(clip.keep(Coordinates(c.lat, c.lng)), c.kept);
    EXPECT_EQ(from_corners.keep(Coordinates(c.lat, c.lng)), c.kept);
  }
}

TEST(ClipToBoundingBox, ADegenerateBoxHoldsOnePoint) {
  const ClipToBoundingBox clip(Coordinates(1, 2), Coordinates(1, 2));
  EXPECT_TRUE(clip.keep(Coordinates(1, 2)));
  EXPECT_FALSE(clip.keep(Coordinates(1, std::nextafter(2.0, 3.0))));
  EXPECT_EQ(clip.bounding_box().ne.lng, 2);
}

TEST(ClipToBoundingBox, CornersOutOfOrderAreRefused) {
  EXPECT_THROW(ClipToBoundingBox(Coordinates(10, 170), Coordinates(20, -170)),
               InvalidArgumentError);
}

}  // namespace
}  // namespace clip
}  // namespace tessera
