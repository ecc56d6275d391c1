#include "tessera/autosuggest_options.h"

#include <set>
#include <string>
#include <vector>

#include "engine/autosuggest_settings.h"
#include "gtest/gtest.h"
#include "testing/settings_text.h"

namespace tessera {
namespace {

TEST(AutosuggestOptions, EachSetsItsOwnSetting) {
  const Polygon triangle({Coordinates(0, 0), Coordinates(1, 0.5),
                          Coordinates(0, 1), Coordinates(0, 0)});
  const struct {
    AutosuggestOption option;
    const char* settings;
  } kCases[] = {
      {language(Language("de")), "language=de"},
      {disable_language_detection(), "no_detection"},
      {n_results(0), "n_results=0"},
      {n_results(4294967295u), "n_results=4294967295"},
      {focus(Coordinates(-33.875, 18.5)), "focus=-33.875,18.5"},
      {n_focus_results(2), "n_focus_results=2"},
      {n_focus_results(3), "n_focus_results=3"},
      {clip_to_circle(Circle(Coordinates(51, 0), 10.5)), "circle=51,0,10.5"},
      {clip_to_bounding_box(BoundingBox(Coordinates(1, 2), Coordinates(3, 4))),
       "box=1,2,3,4"},
      {clip_to_polygon(triangle), "polygon=0,0;1,0.5;0,1;0,0"},
      {clip_to_countries({Country("GB"), Country("FR"), Country("GB")}),
       "countries=FR,GB"},
      {clip_to_countries({}), "countries="},
      {input_type("vocon-hybrid"), "input_type=vocon-hybrid"},
      {input_type("text"), ""},
      {prefer_land(false), "prefer_land=false"},
      {prefer_land(true), "prefer_land=true"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.settings);
    EXPECT_EQ(test::settings_text(engine::autosuggest_settings({c.option})),
              c.settings);
  }
}

TEST(AutosuggestOptions, TheLaterOfTwoWinsAndOthersStay) {
  const std::vector<AutosuggestOption> options = {
      n_results(7), language(Language("fr")), input_type("generic-voice"),
      n_results(2), prefer_land(false),       language(Language("it")),
  };
  EXPECT_EQ(test::settings_text(engine::autosuggest_settings(options)),
            "language=it n_results=2 input_type=generic-voice "
            "prefer_land=false");
}

TEST(AutosuggestOptions, OneOptionServesManyCalls) {
  const AutosuggestOption five = n_results(5);
  EXPECT_EQ(engine::autosuggest_settings({five}).n_results, 5u);
  EXPECT_EQ(engine::autosuggest_settings({five, five}).n_results, 5u);
  EXPECT_EQ(engine::autosuggest_settings({}).n_results, 3u);
}

}  // namespace
}  // namespace tessera
