#include "tessera/coordinates.h"

#include <cmath>
#include <limits>

#include "gtest/gtest.h"
#include "tessera/error.h"

namespace tessera {
namespace {

TEST(Coordinates, LatitudeIsCheckedLongitudeIsNot) {
  const Coordinates c(90.0, 500.0);
  EXPECT_EQ(c.lat, 90.0);
  EXPECT_EQ(c.lng, 500.0);
  EXPECT_NO_THROW(Coordinates(-90.0, -1e300));
  // Both comparisons are false for NaN, so it passes.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(Coordinates(nan, 0.0).lat));
  const ErrorDescriptor ok = Coordinates::are_valid(45.0, 1e9);
  EXPECT_EQ(ok.code, 0);
  EXPECT_EQ(ok.message, "");
}

TEST(Coordinates, OutOfRangeLatitudeNamesIt) {
  const struct {
    double lat;
    const char* message;
  } kCases[] = {
      {90.000001, "Invalid latitude: 90.000001."},
      {-90.5, "Invalid latitude: -90.500000."},
      {1e20, "Invalid latitude: 100000000000000000000.000000."},
      {-std::numeric_limits<double>::infinity(), "Invalid latitude: -inf."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.message);
    const ErrorDescriptor d = Coordinates::are_valid(c.lat, 0.0);
    EXPECT_EQ(d.code, 3);
    EXPECT_EQ(d.message, c.message);
    try {
      Coordinates(c.lat, 0.0);
      ADD_FAILURE() << "did not throw";
    } catch (const InvalidArgumentError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace tessera
