#include "tessera/circle.h"

#include <limits>

#include "gtest/gtest.h"
#include "tessera/coordinates.h"
#include "tessera/error.h"

namespace tessera {
namespace {

TEST(Circle, NegativeRadiusIsRejected) {
  EXPECT_EQ(Circle::is_valid({0, 0}, -0.001).message,
            "circle radius is negative.");
  try {
    Circle({0, 0}, -0.001);
    ADD_FAILURE() << "did not throw";
  } catch (const InvalidArgumentError& e) {
    EXPECT_STREQ(e.what(), "circle radius is negative.");
  }
  EXPECT_EQ(Circle::is_valid({0, 0}, 0.0).code, 0);
}

TEST(Circle, ZeroRadiusHoldsItsCentre) {
  const Circle c({51.500729, -0.124625}, 0.0);
  EXPECT_TRUE(c.contains({51.500729, -0.124625}));
  EXPECT_FALSE(c.contains({51.500729, -0.124626}));
}

// One degree of the equator is 111194.9266 m on a sphere of radius 6371 km:
// the radius is in kilometres.
TEST(Circle, RadiusIsInKilometres) {
  EXPECT_TRUE(Circle({0, 0}, 111.195).contains({0, 1}));
  EXPECT_FALSE(Circle({0, 0}, 111.194).contains({0, 1}));
  EXPECT_FALSE(Circle({0, 0}, 111.194).contains({1, 0}));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(Circle({0, 0}, 1e9).contains({nan, 0}));
}

}  // namespace
}  // namespace tessera
