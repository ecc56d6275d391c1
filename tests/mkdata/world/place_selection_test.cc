#include "mkdata/world/place_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

TEST(PlaceSelection, CityRadiusHoldsItsPeopleAt4000PerSquareKm) {
  // pi * r^2 * 4000 = population.
  EXPECT_NEAR(city_radius_km(7556900), 24.52, 0.01);
  EXPECT_NEAR(city_radius_km(1000), 0.282, 0.001);
  EXPECT_EQ(city_radius_km(0), 0);
}

TEST(PlaceSelection, ACityRemovesItsDistrictsAndSmallNeighbours) {
  // Around a city of 1,000,000 (radius 8.92 km); 0.01 degrees of latitude
  // are 1.112 km.
  const std::vector<City> cities = {
      {1, "Big", "XX", "PPLA", "", 1000000, 10, 20},
      {2, "Hamlet", "XX", "PPL", "", 99999, 10.06, 20},      // 6.7 km
      {3, "Far hamlet", "XX", "PPL", "", 2000, 10, 20.1},    // 11 km
      {4, "Twin", "XX", "PPL", "", 100000, 10.07, 20},       // a tenth
      {5, "District", "XX", "PPLX", "", 500000, 9.95, 20},   // a section
      {6, "Tiny district", "XX", "PPLX", "", 0, 10, 20.05},  // 5.5 km
      // 10 km from the big city, 2.2 km from the twin (radius 2.8 km),
      // which removes it.
      {7, "Twin's district", "XX", "PPLX", "", 50, 10.09, 20},
      // Across the antimeridian from a city at 179.99.
      {8, "East", "YY", "PPL", "", 500000, -5, 179.99},
      {9, "West", "YY", "PPL", "", 10, -5, -179.99},  // 2.2 km
      // Same cell of the place tree as the big city: the bigger stays.
      {10, "Same cell", "XX", "PPL", "", 200000, 10.0001, 20.0001},
      // Equal populations in one cell: the lower GeoNames id stays.
      {12, "Second", "ZZ", "PPL", "", 5000, 40, 40},
      {11, "First", "ZZ", "PPL", "", 5000, 40.0001, 40},
  };
  const std::vector<bool> keep = places_to_keep(cities);
  const std::vector<bool> expected = {true,  false, true,  true,  false, false,
                                      false, true,  false, false, false, true};
  ASSERT_EQ(keep.size(), expected.size());
  for (std::size_t i = 0; i < keep.size(); ++i) {
    EXPECT_EQ(keep[i], expected[i]) << cities[i].name;
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
