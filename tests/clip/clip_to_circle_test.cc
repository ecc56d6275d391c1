#include "clip/clip_to_circle.h"

#include <limits>

#include "gtest/gtest.h"

namespace tessera {
namespace clip {
namespace {

TEST(ClipToCircle, KeepsWhatIsWithinTheRadius) {
  // London to Paris is 343.56 km on a sphere of radius 6,371 km.
  const Coordinates london(51.5074, -0.1278);
  const Coordinates paris(48.8566, 2.3522);
  EXPECT_TRUE(ClipToCircle(Circle(london, 343.6)).keep(paris));
  EXPECT_FALSE(ClipToCircle(Circle(london, 343.5)).keep(paris));
  EXPECT_TRUE(ClipToCircle(Circle(paris, 343.6)).keep(london));
}

TEST(ClipToCircle, TheBoundaryIsInside) {
  // A circle of radius 0 holds exactly its centre, which lies on its edge.
  const ClipToCircle clip(Circle(Coordinates(-33.9, 18.4), 0));
  EXPECT_TRUE(clip.keep(Coordinates(-33.9, 18.4)));
  EXPECT_FALSE(clip.keep(Coordinates(-33.9, 18.400000001)));
}

TEST(ClipToCircle, RefusesWhatHasNoDistance) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const ClipToCircle clip(Circle(Coordinates(0, 0), 30000));
  EXPECT_TRUE(clip.keep(Coordinates(0, 179)));
  EXPECT_FALSE(clip.keep(Coordinates(0, nan)));
  EXPECT_FALSE(clip.keep(Coordinates(nan, 0)));
  EXPECT_EQ(clip.circle().radius, 30000);
}

}  // namespace
}  // namespace clip
}  // namespace tessera
