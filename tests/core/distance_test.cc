#include "core/distance.h"

#include <cmath>

#include "gtest/gtest.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace {

// pi * 6,371,000 m rounded to the nearest double.
constexpr double kHalfCircumference = 20015086.79602057;

// Reference distances computed with 60-digit arithmetic from the same
// doubles, as 2 R asin(sqrt(h)) with R = 6,371,000 m. Both formulas agree
// with them to well under a micrometre.
const struct {
  Coordinates a, b;
  double metres;
} kReferences[] = {
    {{51.500729, -0.124625}, {48.856613, 2.352222}, 342809.73613013135787},
    {{0, 0}, {0, 1}, 111194.92664455873735},
    {{0, -179.5}, {0, 179.5}, 111194.92664455873735},
    {{-33.8688, 151.2093}, {40.7128, -74.006}, 15988755.50703962966},
    {{10, 20}, {10.00001, 20.00001}, 1.5606342760090892972},
    {{89, 0}, {89, 180}, 222389.85328911747469},
};
constexpr double kReferenceBoundMetres = 1e-6;

TEST(Distance, MatchesHighPrecisionReference) {
  for (const auto& c : kReferences) {
    SCOPED_TRACE(testing::Message() << c.a.lat << "," << c.a.lng << " to "
                                    << c.b.lat << "," << c.b.lng);
    EXPECT_NEAR(core::distance(c.a, c.b), c.metres, kReferenceBoundMetres);
    EXPECT_NEAR(core::distance(c.b, c.a), c.metres, kReferenceBoundMetres);
    EXPECT_NEAR(core::great_circle_distance(c.a, c.b), c.metres,
                kReferenceBoundMetres);
  }
}

TEST(Distance, IdenticalPointsAreZeroApart) {
  EXPECT_EQ(core::distance({51.500729, -0.124625}, {51.500729, -0.124625}),
            0.0);
  EXPECT_EQ(core::great_circle_distance({-12.5, 33.25}, {-12.5, 33.25}), 0.0);
}

TEST(Distance, AntipodesAreHalfACircumferenceApart) {
  EXPECT_EQ(core::distance({0, 0}, {0, 180}), kHalfCircumference);
  EXPECT_EQ(core::distance({90, 0}, {-90, 0}), kHalfCircumference);
  // Rounding can put h a hair above 1 for these (it does with glibc for
  // 2.5, 0.5); the result must stay a number and not exceed the half
  // circumference. Within 0.2 m: h a rounding below 1 costs about 0.13 m.
  const double kLats[] = {2.5, 2.6, 5.5, 33.3, -61.7, 89.9};
  for (const double lat : kLats) {
    SCOPED_TRACE(lat);
    const double d = core::distance({lat, 0.5}, {-lat, 180.5});
    EXPECT_LE(d, kHalfCircumference);
    EXPECT_GE(d, kHalfCircumference - 0.2);
  }
}

// Expected values come from correctly rounded sines, cosines and arc
// tangents (each true value lies within 0.3 ulp of a double, so any libm
// accurate to about half an ulp returns them) and the product
// cos * cos * haversin rounded once together with the latitude term. Rounding
// that product on its own before the addition gives the second value.
TEST(Distance, LastProductIsFusedWithTheAddition) {
  const struct {
    Coordinates a, b;
    double fused, unfused;
  } kCases[] = {
      {{36, 86.25}, {37, 75.25}, 988935.5935202225, 988935.5935202226},
      {{16, 86.25}, {-7.5, 58.25}, 4040932.1861768095, 4040932.18617681},
      {{-5, -45.25}, {-14, -55}, 1463641.6158516072, 1463641.6158516074},
      {{14, 79.75}, {-39, 3.25}, 9855990.046454836, 9855990.046454838},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.a.lat << "," << c.a.lng << " to "
                                    << c.b.lat << "," << c.b.lng);
    const double d = core::distance(c.a, c.b);
    EXPECT_EQ(d, c.fused);
    EXPECT_NE(d, c.unfused);
  }
}

// Degrees become radians as x * pi / 180 in that order. Near multiples of
// pi the sine shows the last bit of the argument, and these two differ from
// both x / 180 * pi and x * (pi / 180). Expected values are the sines of the
// exact argument, correctly rounded.
TEST(Distance, DegreesToRadiansMultipliesFirst) {
  EXPECT_EQ(core::sin_degrees(1620.0), 4.654895798033119e-15);
  EXPECT_EQ(core::sin_degrees(3060.0), 5.6346132373510016e-15);
  EXPECT_EQ(core::sin_degrees(0.0), 0.0);
  EXPECT_EQ(core::sin_degrees(90.0), 1.0);
  EXPECT_EQ(core::cos_degrees(0.0), 1.0);
  EXPECT_EQ(core::cos_degrees(90.0), 6.123233995736766e-17);
}

TEST(Distance, Haversin) {
  EXPECT_EQ(core::haversin(0.0), 0.0);
  EXPECT_EQ(core::haversin(3.141592653589793), 1.0);
  EXPECT_EQ(core::haversin(-3.141592653589793), 1.0);
  EXPECT_TRUE(std::isnan(core::haversin(NAN)));
}

TEST(Distance, NaNPropagates) {
  EXPECT_TRUE(std::isnan(core::distance({NAN, 0}, {0, 0})));
  EXPECT_TRUE(std::isnan(core::distance({0, 0}, {0, NAN})));
}

// Expected values are the exact sums rounded once, then square-rooted.
TEST(Distance, LengthOf2VectorFusesTheFirstSquare) {
  EXPECT_EQ(core::length_of_2_vector(3, 4), 5.0);
  EXPECT_EQ(core::length_of_2_vector(-3, 0), 3.0);
  // (1 + 2^-27)^2 + (9 * 2^-29)^2 rounded once is 1 + 2^-26 + 2^-52; rounding
  // the first square on its own would give 1 + 2^-26.
  EXPECT_EQ(core::length_of_2_vector(1 + 0x1p-27, 0x1.2p-26),
            0x1.0000002000001p+0);
  // With the arguments swapped the large square is the rounded one.
  EXPECT_EQ(core::length_of_2_vector(0x1.2p-26, 1 + 0x1p-27), 0x1.0000002p+0);
}

}  // namespace
}  // namespace tessera
