#include "engine/clipping_policy.h"

#include <set>
#include <typeinfo>
#include <vector>

#include "clip/clip_to_bounding_box.h"
#include "clip/clip_to_circle.h"
#include "clip/clip_to_country_outlines.h"
#include "clip/clip_to_polygon.h"
#include "clip/fake_country_finder.h"
#include "clip/multi_clip.h"
#include "clip/no_clipping.h"
#include "gtest/gtest.h"

namespace tessera {
namespace engine {
namespace {

const Circle kCircle(Coordinates(20, 5), 1000);
const BoundingBox kBox(Coordinates(15, 0), Coordinates(25, 10));
const Polygon kTriangle({Coordinates(15, 0), Coordinates(25, 5),
                         Coordinates(15, 10), Coordinates(15, 0)});
const std::set<Country> kNorth = {Country("NN")};

// The dynamic type of a clip. typeid(*pointer) would do, but clang warns
// that it evaluates the call inside.
const std::type_info& type_of(const clip::Clip& clip) { return typeid(clip); }

TEST(ClippingPolicy, NoClippingFieldKeepsEverything) {
  const test::FakeCountryFinder finder;
  const auto clip = clipping_policy(AutosuggestSettings(), finder);
  EXPECT_EQ(type_of(*clip), typeid(clip::NoClipping));
}

TEST(ClippingPolicy, OneFieldGivesItsClipAlone) {
  const test::FakeCountryFinder finder;
  AutosuggestSettings circle;
  circle.clip_circle = kCircle;
  const auto by_circle = clipping_policy(circle, finder);
  ASSERT_EQ(type_of(*by_circle), typeid(clip::ClipToCircle));
  EXPECT_EQ(dynamic_cast<const clip::ClipToCircle&>(*by_circle).circle().radius,
            1000);

  AutosuggestSettings box;
  box.clip_bounding_box = kBox;
  EXPECT_EQ(type_of(*clipping_policy(box, finder)),
            typeid(clip::ClipToBoundingBox));

  AutosuggestSettings polygon;
  polygon.clip_polygon = kTriangle;
  EXPECT_EQ(type_of(*clipping_policy(polygon, finder)),
            typeid(clip::ClipToPolygon));

  AutosuggestSettings countries;
  countries.clip_countries = kNorth;
  const auto by_country = clipping_policy(countries, finder);
  ASSERT_EQ(type_of(*by_country), typeid(clip::ClipToCountryOutlines));
  EXPECT_TRUE(by_country->keep(Coordinates(20, 5)));
  EXPECT_FALSE(by_country->keep(Coordinates(0, 5)));
}

TEST(ClippingPolicy, SeveralFieldsAreAskedCheapestFirst) {
  const test::FakeCountryFinder finder;
  AutosuggestSettings settings;
  settings.clip_countries = kNorth;
  settings.clip_polygon = kTriangle;
  settings.clip_bounding_box = kBox;
  settings.clip_circle = kCircle;
  const auto clip = clipping_policy(settings, finder);
  const auto* multi = dynamic_cast<const clip::MultiClip*>(clip.get());
  ASSERT_NE(multi, nullptr);
  ASSERT_EQ(multi->clips().size(), 4u);
  EXPECT_EQ(type_of(*multi->clips()[0]), typeid(clip::ClipToCircle));
  EXPECT_EQ(type_of(*multi->clips()[1]), typeid(clip::ClipToBoundingBox));
  EXPECT_EQ(type_of(*multi->clips()[2]), typeid(clip::ClipToPolygon));
  EXPECT_EQ(type_of(*multi->clips()[3]), typeid(clip::ClipToCountryOutlines));

  EXPECT_TRUE(clip->keep(Coordinates(17, 5)));
  EXPECT_FALSE(clip->keep(Coordinates(17, 9.5)));  // in the box only
}

TEST(ClippingPolicy, APositionOutsideTheCircleIsNotLookedUp) {
  const test::FakeCountryFinder finder;
  AutosuggestSettings settings;
  settings.clip_circle = kCircle;
  settings.clip_countries = kNorth;
  const auto clip = clipping_policy(settings, finder);

  EXPECT_FALSE(clip->keep(Coordinates(-20, 5)));
  EXPECT_FALSE(clip->keep(Coordinates(40, 5)));
  EXPECT_EQ(finder.lookups, 0);
  EXPECT_TRUE(clip->keep(Coordinates(20.5, 5)));
  EXPECT_EQ(finder.lookups, 1);
}

}  // namespace
}  // namespace engine
}  // namespace tessera
