#include "mkdata/world/country_land_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkdata/find_country/synthetic_countries.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr double kPi = 3.141592653589793;

// A square of side `side` degrees with its south-west corner at (lng, lat),
// counter-clockwise, or clockwise when `clockwise`.
std::vector<Coordinates> square(double lng, double lat, double side,
                                bool clockwise = false) {
  std::vector<Coordinates> ring = {{lat, lng},
                                   {lat, lng + side},
                                   {lat + side, lng + side},
                                   {lat + side, lng}};
  if (clockwise) std::swap(ring[1], ring[3]);
  return ring;
}

// Cells are 1/24 degree, column 4320 starting at longitude 0 and row 2160
// at latitude 0:
// - AA, lng 0..1, lat 0..1 (cells 4320..4343, rows 2160..2183), with a hole
//   at 0.25..0.75 (cells and rows 4326..4337 and 2166..2177) wound the same
//   way as its outer ring;
// - EE, the enclave in that hole, wound clockwise;
// - BB, lng 2..3 (cells 4368..4391), then CC, lng 2.5..3.5 (cells
//   4380..4403), which BB overlaps and, being first, wins;
// - DD, lng 100..101, lat 60..61 (cells 6720..6743, rows 3600..3623), far
//   from every place.
CountrySet test_countries() {
  CountrySet set;
  set.outlines.push_back({"AA", {square(0, 0, 1), square(0.25, 0.25, 0.5)}});
  set.outlines.push_back({"EE", {square(0.25, 0.25, 0.5, true)}});
  set.outlines.push_back({"BB", {square(2, 0, 1)}});
  set.outlines.push_back({"CC", {square(2.5, 0, 1)}});
  set.outlines.push_back({"DD", {square(100, 60, 1)}});
  return set;
}

// The centre of cell (x, y).
Coordinates centre(int x, int y) {
  return Coordinates((y + 0.5) / 24 - 90, (x + 0.5) / 24 - 180);
}

// One place in cell (4330, 2170), ten in cell (4390, 2175), one at the
// antimeridian in cell (0, 2160).
std::vector<Coordinates> test_places() {
  std::vector<Coordinates> places = {centre(4330, 2170)};
  for (int i = 0; i < 10; ++i) places.push_back(centre(4390, 2175));
  places.emplace_back(0.01, -179.99);
  return places;
}

double land_base(int y) {
  return 0.01 * (1 + std::cos(((y + 0.5) / 24 - 90) * kPi / 180));
}

class CountryLandModelTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    model_ =
        std::make_unique<CountryLandModel>(test_countries(), test_places());
  }
  static void TearDownTestSuite() { model_.reset(); }

  static std::unique_ptr<CountryLandModel> model_;
};

std::unique_ptr<CountryLandModel> CountryLandModelTest::model_;

TEST_F(CountryLandModelTest, LandIsTheCellsWhoseCentresLieInside) {
  const CountryLandModel& m = *model_;
  EXPECT_EQ(m.land_cells(), 24 * 24 + 36 * 24 + 24 * 24);
  EXPECT_TRUE(m.land_runs(2159).empty());
  EXPECT_EQ(m.land_runs(2160),
            std::vector<CellRun>({{4320, 4344}, {4368, 4404}}));
  // The enclave fills AA's hole.
  EXPECT_EQ(m.land_runs(2170),
            std::vector<CellRun>({{4320, 4344}, {4368, 4404}}));
  EXPECT_EQ(m.land_runs(2183),
            std::vector<CellRun>({{4320, 4344}, {4368, 4404}}));
  EXPECT_TRUE(m.land_runs(2184).empty());
  EXPECT_EQ(m.land_runs(3600), std::vector<CellRun>({{6720, 6744}}));
  EXPECT_TRUE(m.land_runs(-1).empty());
  EXPECT_TRUE(m.land_runs(4320).empty());
}

TEST_F(CountryLandModelTest, GivesEveryCellARegion) {
  const CountryLandModel& m = *model_;
  EXPECT_EQ(m.region_codes(),
            std::vector<std::string>({"AA", "BB", "CC", "DD", "EE"}));
  EXPECT_EQ(m.region_count(), 5);
  EXPECT_EQ(m.regions_of({"EE", "QQ", "AA"}),
            std::vector<std::int32_t>({4, 0}));
  const struct {
    int x;
    int y;
    int expected;
  } kCases[] = {
      {4320, 2170, 0},                   // AA round its hole
      {4325, 2170, 0}, {4326, 2170, 4},  // EE in the hole
      {4337, 2177, 4}, {4338, 2177, 0},
      {4385, 2170, 1},                   // BB, first where BB and CC overlap
      {4403, 2170, 2}, {4355, 2170, 0},  // sea, 12 cells from AA and 13 from BB
      {4356, 2170, 1}, {0, 2170, 0},     // sea west of all land in the row
      {8639, 2170, 2}, {4356, 100, 1},   // a row without land copies row 2160
      {8639, 4000, 3},                   // ... or row 3623, north of everything
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(m.region(c.x, c.y), c.expected);
  }
}

TEST_F(CountryLandModelTest, ScoresCellsByThePlacesNearThem) {
  const CountryLandModel& m = *model_;
  const double broad_1 = 0.2 * std::exp(-1.0 / 72);
  // Float sums: within a few float steps.
  EXPECT_NEAR(m.score(4330, 2170), land_base(2170) + 1.2, 1e-5);
  EXPECT_NEAR(m.score(4331, 2170), land_base(2170) + std::exp(-0.5) + broad_1,
              1e-5);
  EXPECT_NEAR(m.score(4390, 2175), land_base(2175) + 12.0, 1e-4);
  // Sea at the antimeridian, next to the place in cell 0.
  EXPECT_NEAR(m.score(8639, 2160), std::exp(-0.5) + broad_1, 1e-5);
  // Only the base far from places: more at lower latitudes, none at sea.
  EXPECT_NEAR(m.score(6730, 3610), land_base(3610), 1e-7);
  EXPECT_GT(land_base(2170), land_base(3610));
  EXPECT_EQ(m.score(6700, 3610), 0.0);
  // Ten places outweigh one, and a place's pull fades with distance.
  EXPECT_GT(m.score(4395, 2175), m.score(4335, 2170));
  EXPECT_GT(m.score(4332, 2170), m.score(4336, 2170));
  EXPECT_GT(m.score(4336, 2170), m.score(4341, 2170));
  EXPECT_EQ(m.score(-1, 2170), 0.0);
  EXPECT_EQ(m.region(8640, 2170), 0);
}

TEST(CountryLandModel, NeedsAnOutline) {
  EXPECT_THROW(CountryLandModel(CountrySet{}, {}), std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
