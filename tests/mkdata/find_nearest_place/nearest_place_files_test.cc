#include "mkdata/find_nearest_place/nearest_place_files.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "find_nearest_place/kdtree_point.h"
#include "find_nearest_place/located_kd_tree.h"
#include "find_nearest_place/located_nearest_place_finder.h"
#include "mkdata/find_nearest_place/synthetic_places.h"
#include "tessera/language.h"

namespace tessera {
namespace mkdata {
namespace {

data::InMemory source(const std::vector<std::uint8_t>& bytes) {
  return data::InMemory(std::vector<char>(bytes.begin(), bytes.end()));
}

// The engine finds every place at its own cell under its own name: in a
// language without translations or rules, the default name, ", " and the
// default qualifier (or the name alone).
TEST(NearestPlaceFilesTest, ReaderFindsEachPlaceUnderItsName) {
  const NearestPlaceData data = synthetic_places(11, 2000);
  const NearestPlaceFiles files = nearest_place_files(data);
  const find_nearest_place::LocatedNearestPlaceFinder<data::InMemory> finder(
      source(files.places),
      find_nearest_place::LocatedKDTree<data::InMemory>(source(files.kdtree)),
      source(files.syntax));
  for (std::size_t i = 0; i < data.places.size(); ++i) {
    const PlaceEntry& place = data.places[i];
    std::string expected = place.name.text;
    if (place.qualifier >= 0 &&
        data.qualifiers[place.qualifier].text != expected) {
      expected += ", " + data.qualifiers[place.qualifier].text;
    }
    const Coordinates at = find_nearest_place::leaf_position(
        data.positions[i].a, data.positions[i].b);
    ASSERT_EQ(finder.nearest_to(at, Language("fr"), 1),
              Optional<std::string>(expected))
        << "place " << i;
  }
}

TEST(NearestPlaceFilesTest, NeedsOnePositionPerPlace) {
  NearestPlaceData data = synthetic_places(1, 10);
  data.positions.pop_back();
  EXPECT_THROW(nearest_place_files(data), std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
