#include "mkdata/algorithm/procedural_land_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "mkdata/algorithm/attr_test_fixture.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr double kColumnsInGrid = 36716924160.0;

TEST(ProceduralLandModel, CoversTheAskedShareOfColumns) {
  EXPECT_NEAR(test::procedural_attr().model.land_columns() / kColumnsInGrid,
              0.2728, 0.0005);
  EXPECT_NEAR(ProceduralLandModel(0.35).land_columns() / kColumnsInGrid, 0.35,
              0.0005);
  EXPECT_THROW(ProceduralLandModel(0.9), std::invalid_argument);
}

TEST(ProceduralLandModel, PolesAndRegions) {
  const ProceduralLandModel& model = test::procedural_attr().model;
  for (std::int32_t y : {0, 1, 4318, 4319}) {
    EXPECT_TRUE(model.land_runs(y).empty()) << y;
  }
  // The ice cap covers the rows around the south pole.
  EXPECT_EQ(model.land_runs(2), (std::vector<CellRun>{{0, 8640}}));
  EXPECT_EQ(model.region(4000, 100), ProceduralLandModel::kSouthPolarRegion);
  for (std::int32_t y = 0; y < 4320; y += 37) {
    for (std::int32_t x = 0; x < 8640; x += 41) {
      const std::int32_t region = model.region(x, y);
      ASSERT_GE(region, 0);
      ASSERT_LT(region, model.region_count());
    }
  }
  // A city's cell outscores the open sea far from it.
  EXPECT_GT(model.score(2544, 3136), model.score(720, 2160));
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
