#include "tessera/bounding_box.h"

#include <limits>

#include "gtest/gtest.h"
#include "tessera/coordinates.h"
#include "tessera/error.h"

namespace tessera {
namespace {

TEST(BoundingBox, CornersOutOfOrderAreRejected) {
  const struct {
    Coordinates sw, ne;
    const char* message;
  } kCases[] = {
      // Crossing the antimeridian cannot be expressed.
      {{10, 170},
       {20, -170},
       "Bounding box must have SW then NE: 10.000000,170.000000 --- "
       "20.000000,-170.000000."},
      {{20.5, 1},
       {20.25, 2},
       "Bounding box must have SW then NE: 20.500000,1.000000 --- "
       "20.250000,2.000000."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(BoundingBox::are_valid(c.sw, c.ne).message, c.message);
    EXPECT_EQ(BoundingBox::are_valid(c.sw, c.ne).code, 3);
    try {
      BoundingBox(c.sw, c.ne);
      ADD_FAILURE() << "did not throw";
    } catch (const InvalidArgumentError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(BoundingBox, EdgesAreInclusive) {
  const BoundingBox box({-1.5, 10}, {2, 20});
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    Coordinates p;
    bool inside;
  } kCases[] = {
      {{0, 15}, true},        {{-1.5, 10}, true},      {{2, 20}, true},
      {{-1.5, 20}, true},     {{2, 10}, true},         {{2.000001, 15}, false},
      {{0, 9.999999}, false}, {{0, 20.000001}, false}, {{-1.6, 15}, false},
      {{nan, 15}, false},     {{0, nan}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.p.lat << ", " << c.p.lng);
    EXPECT_EQ(box.contains(c.p), c.inside);
  }
}

TEST(BoundingBox, DegenerateBoxHoldsOnlyItsPoint) {
  const BoundingBox point({51.5, -0.12}, {51.5, -0.12});
  EXPECT_TRUE(point.contains({51.5, -0.12}));
  EXPECT_FALSE(point.contains({51.5, -0.1199999}));
  EXPECT_FALSE(point.contains({51.5000001, -0.12}));
}

}  // namespace
}  // namespace tessera
