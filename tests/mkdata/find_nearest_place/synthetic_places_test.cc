#include "mkdata/find_nearest_place/synthetic_places.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "mkdata/find_nearest_place/nearest_place_files.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(SyntheticPlacesTest, IsDeterministicAndVaried) {
  const NearestPlaceData data = synthetic_places(7, 3000);
  EXPECT_EQ(nearest_place_files(data).places,
            nearest_place_files(synthetic_places(7, 3000)).places);
  EXPECT_NE(nearest_place_files(data).places,
            nearest_place_files(synthetic_places(8, 3000)).places);

  ASSERT_EQ(data.places.size(), 3000u);
  ASSERT_EQ(data.positions.size(), 3000u);
  std::set<std::pair<std::uint32_t, std::uint32_t>> cells;
  for (const QuantisedPosition& p : data.positions) cells.insert({p.a, p.b});
  EXPECT_EQ(cells.size(), 3000u);

  std::map<std::string, int> translated;
  std::map<int, int> qualifier_uses;
  int without_qualifier = 0;
  int named_like_qualifier = 0;
  for (const PlaceEntry& place : data.places) {
    for (const auto& translation : place.name.translations)
      ++translated[translation.first];
    if (place.qualifier < 0) {
      ++without_qualifier;
    } else {
      ++qualifier_uses[place.qualifier];
      if (place.name.text == data.qualifiers[place.qualifier].text)
        ++named_like_qualifier;
    }
  }
  for (const char* code : {"en", "de", "ja"}) EXPECT_GT(translated[code], 0);
  EXPECT_GT(without_qualifier, 0);
  EXPECT_GT(named_like_qualifier, 0);
  int shared = 0;
  for (const auto& use : qualifier_uses) shared += use.second > 1;
  EXPECT_GT(shared, 1);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
