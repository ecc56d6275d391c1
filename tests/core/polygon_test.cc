#include "tessera/polygon.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "tessera/coordinates.h"
#include "tessera/error.h"

namespace tessera {
namespace {

TEST(Polygon, MalformedRingsAreRejected) {
  const char kTooFew[] =
      "A polygon must have at least 3 points (not counting the repeated first "
      "point).";
  const char kNotClosed[] =
      "The last point of a polygon must be the same as the first point.";
  const char kTooMany[] = "Polygon contains too many points.";

  std::vector<Coordinates> too_many((std::size_t{1} << 20) + 1, {1, 2});
  const struct {
    std::vector<Coordinates> points;
    const char* message;
  } kCases[] = {
      {{}, kTooFew},
      {{{0, 0}, {1, 0}, {0, 1}}, kTooFew},
      {{{0, 0}, {1, 0}, {0, 1}, {0, 0.000001}}, kNotClosed},
      {{{0, 0}, {1, 0}, {0, 1}, {0.000001, 0}}, kNotClosed},
      // The count is checked first, even for a closed ring.
      {too_many, kTooMany},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.points.size() << " points");
    EXPECT_EQ(Polygon::is_valid(c.points).code, 3);
    EXPECT_EQ(Polygon::is_valid(c.points).message, c.message);
    try {
      Polygon polygon(c.points);
      ADD_FAILURE() << "did not throw";
    } catch (const InvalidArgumentError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(Polygon, SmallestAndLargestRingsAreValid) {
  EXPECT_EQ(Polygon::is_valid({{0, 0}, {1, 0}, {0, 1}, {0, 0}}).code, 0);
  const std::vector<Coordinates> largest(std::size_t{1} << 20, {1, 2});
  EXPECT_EQ(Polygon::is_valid(largest).code, 0);
  EXPECT_EQ(Polygon(largest).points.size(), std::size_t{1} << 20);
}

// The square 0 <= lat <= 2, 0 <= lng <= 2, in either direction.
TEST(Polygon, WindingTestInBothDirections) {
  const Polygon counter({{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}});
  const Polygon clockwise({{0, 0}, {0, 2}, {2, 2}, {2, 0}, {0, 0}});
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    Coordinates p;
    bool inside;
  } kCases[] = {
      {{1, 1}, true},
      {{0.5, 1.9}, true},
      {{3, 1}, false},
      {{-1, 1}, false},
      {{1, 3}, false},
      {{1, -1}, false},
      // Edges are half-open: the low-longitude and low-latitude sides
      // belong to the square, the others do not.
      {{1, 0}, true},
      {{0, 1}, true},
      {{1, 2}, false},
      {{2, 1}, false},
      {{nan, 1}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.p.lat << ", " << c.p.lng);
    EXPECT_EQ(counter.contains(c.p), c.inside);
    EXPECT_EQ(clockwise.contains(c.p), c.inside);
  }
}

// A concave ring: the notch between the two prongs is outside.
TEST(Polygon, ConcaveRing) {
  const Polygon u(
      {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}, {0, 0}});
  EXPECT_TRUE(u.contains({0.5, 2}));
  EXPECT_TRUE(u.contains({2.5, 2}));
  EXPECT_TRUE(u.contains({1.5, 0.5}));
  EXPECT_FALSE(u.contains({1.5, 2}));
}

// The point lies 2^-55 inside the edge from (0, 0) to (2, 1 + 2^-27): the
// exact first product is 1 + 2^-26 + 2^-54 and the second 1 + 2^-26. Only a
// fused multiply-subtract keeps the 2^-54 and counts the edge.
TEST(Polygon, PointAHairInsideAnEdge) {
  const double l = 1 + 0x1p-27;
  const Polygon triangle({{0, 0}, {2, l}, {2, -1}, {0, 0}});
  EXPECT_TRUE(triangle.contains({1 + 0x1p-27, 0.5 + 0x1p-27}));
}

}  // namespace
}  // namespace tessera
