#include "clip/clip_to_country_outlines.h"

#include <set>
#include <string>

#include "clip/fake_country_finder.h"
#include "gtest/gtest.h"

namespace tessera {
namespace clip {
namespace {

TEST(ClipToCountryOutlines, KeepsWhatTheFinderPlacesInTheSet) {
  const test::FakeCountryFinder finder;
  const struct {
    std::set<Country> countries;
    const char* kept;  // of the latitudes 20, 0, -20: "+" kept, "-" not
  } kCases[] = {
      {{Country("NN")}, "+--"},
      {{Country("NN"), Country("SS")}, "+-+"},
      {{Country("ZZ")}, "-+-"},
      {{Country("XX")}, "---"},
      {{}, "---"},
  };
  for (const auto& c : kCases) {
    const ClipToCountryOutlines clip(c.countries, finder);
    std::string kept;
    for (const double lat : {20.0, 0.0, -20.0}) {
      kept += clip.keep(Coordinates(lat, 5)) ? '+' : '-';
    }
    EXPECT_EQ(kept, c.kept);
  }
}

TEST(ClipToCountryOutlines, HoldsItsOwnCopyOfTheSet) {
  const test::FakeCountryFinder finder;
  std::set<Country> countries = {Country("NN")};
  const ClipToCountryOutlines clip(countries, finder);
  countries.clear();
  EXPECT_TRUE(clip.keep(Coordinates(20, 5)));
  EXPECT_EQ(clip.countries().size(), 1u);
}

}  // namespace
}  // namespace clip
}  // namespace tessera
