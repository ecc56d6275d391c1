#include "clip/no_clipping.h"

#include <cmath>
#include <limits>

#include "gtest/gtest.h"

namespace tessera {
namespace clip {
namespace {

TEST(NoClipping, KeepsEveryPosition) {
  const auto clip = no_clipping();
  ASSERT_NE(dynamic_cast<const NoClipping*>(clip.get()), nullptr);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Coordinates& p : {Coordinates(0, 0), Coordinates(-90, 180),
                               Coordinates(90, -720), Coordinates(nan, nan)}) {
    EXPECT_TRUE(clip->keep(p));
  }
}

}  // namespace
}  // namespace clip
}  // namespace tessera
