#include "engine/autosuggest_settings.h"

#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "engine/autosuggest_option_implementation.h"
#include "gtest/gtest.h"
#include "tessera/error.h"
#include "testing/settings_text.h"

namespace tessera {
namespace engine {
namespace {

using Options = std::vector<std::shared_ptr<AutosuggestOptionImplementation>>;

std::shared_ptr<AutosuggestOptionImplementation> option(
    AutosuggestOptionImplementation::Edit edit) {
  return std::make_shared<AutosuggestOptionImplementation>(std::move(edit));
}

TEST(AutosuggestSettings, DefaultsSearchTextForThreeLandAddresses) {
  const AutosuggestSettings settings = autosuggest_settings({});
  EXPECT_FALSE(settings.language.has_value());
  EXPECT_FALSE(settings.disable_language_detection);
  EXPECT_EQ(settings.n_results, 3u);
  EXPECT_FALSE(settings.focus.has_value());
  EXPECT_FALSE(settings.n_focus_results.has_value());
  EXPECT_FALSE(settings.clip_circle.has_value());
  EXPECT_FALSE(settings.clip_bounding_box.has_value());
  EXPECT_FALSE(settings.clip_polygon.has_value());
  EXPECT_FALSE(settings.clip_countries.has_value());
  EXPECT_EQ(settings.input_type, "text");
  EXPECT_FALSE(settings.prefer_land.has_value());
  EXPECT_EQ(test::settings_text(settings), "");
}

TEST(AutosuggestSettings, TheFullConstructorTakesTheFieldsInOrder) {
  const AutosuggestSettings settings(
      Language("fr"), true, 7, Coordinates(51.5, -0.125), 2u,
      Circle(Coordinates(1, 2), 3.5),
      BoundingBox(Coordinates(-1, -2), Coordinates(3, 4)),
      Polygon({Coordinates(0, 0), Coordinates(0, 1), Coordinates(1, 1),
               Coordinates(0, 0)}),
      std::set<Country>{Country("GB"), Country("FR")}, "generic-voice", true);
  EXPECT_EQ(test::settings_text(settings),
            "language=fr no_detection n_results=7 focus=51.5,-0.125 "
            "n_focus_results=2 circle=1,2,3.5 box=-1,-2,3,4 "
            "polygon=0,0;0,1;1,1;0,0 countries=FR,GB input_type=generic-voice "
            "prefer_land=true");
}

TEST(AutosuggestSettings, OptionsApplyInOrderAndTheLastWins) {
  const Options options = {
      option([](AutosuggestSettings& s) { s.n_results = 5; }),
      option([](AutosuggestSettings& s) { s.language = Language("de"); }),
      option([](AutosuggestSettings& s) { s.n_results = 1; }),
      option([](AutosuggestSettings& s) { s.n_results *= 4; }),
      option([](AutosuggestSettings& s) { s.prefer_land = false; }),
  };
  EXPECT_EQ(test::settings_text(autosuggest_settings(options)),
            "language=de n_results=4 prefer_land=false");
}

TEST(AutosuggestSettings, AnOptionWithoutAnEditThrows) {
  const auto set_n = option([](AutosuggestSettings& s) { s.n_results = 5; });
  EXPECT_THROW(autosuggest_settings({set_n, option(nullptr)}),
               std::bad_function_call);
  EXPECT_THROW(autosuggest_settings({set_n, nullptr}), InvalidArgumentError);
  // What an edit throws comes through.
  EXPECT_THROW(autosuggest_settings({option([](AutosuggestSettings& s) {
                 s.language = Language("xx");
               })}),
               InvalidArgumentError);
}

}  // namespace
}  // namespace engine
}  // namespace tessera
