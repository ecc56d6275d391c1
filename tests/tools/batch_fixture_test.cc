// `tessera batch` over the fixture data set, with both engines: every
// answer must be what the engine's own API gives for the same call.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/number_text.h"
#include "gtest/gtest.h"
#include "tessera/autosuggest_options.h"
#include "tessera/engine.h"
#include "tessera/error.h"
#include "testing/fixture_data_set.h"

namespace tessera {
namespace cli {
namespace {

// JSON of the engine's values, written independently of JsonWriter (its
// number format is checked against the C library elsewhere). The fixture's
// texts need no escaping.
std::string text_json(const std::string& s) {
  EXPECT_EQ(s.find_first_of("\"\\\n"), std::string::npos) << s;
  return "\"" + s + "\"";
}

std::string optional_text_json(const Optional<std::string>& s) {
  return s ? text_json(*s) : "null";
}

std::string position_json(const Coordinates& p) {
  return "{\"lat\":" + json_number_text(p.lat) +
         ",\"lng\":" + json_number_text(p.lng) + "}";
}

std::string result(const std::string& value) {
  return "{\"result\":" + value + "}";
}

// The response to a call that throws, named as the batch names it.
std::string error_of(const std::function<void()>& call) {
  try {
    call();
  } catch (...) {
    const ErrorDescription e = describe_exception(std::current_exception());
    return "{\"error\":{\"type\":\"" + e.type +
           "\",\"message\":" + text_json(e.message) + "}}";
  }
  return "(did not throw)";
}

std::string lat_lng_fields(double lat, double lng) {
  return "\"lat\":" + json_number_text(lat) +
         ",\"lng\":" + json_number_text(lng);
}

class BatchOverFixture : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    const std::string& dir = test::fixture_data_dir();
    engine_ = GetParam() ? new_server_engine(dir) : new_device_engine(dir);
  }

  std::string ask(const std::string& line) const {
    return answer_request(*engine_, line);
  }

  std::unique_ptr<Engine> engine_;
};

TEST_P(BatchOverFixture, AnswersAsTheEngineDoes) {
  const Engine& engine = *engine_;
  const struct {
    double lat, lng;
  } kPlaces[] = {
      {51.52, -0.12},   {-33.9, 18.4},         {35.68, 139.69},
      {51.505, -0.125},  // excluded
      {10.25, 20.25},    // excluded
      {0.0, 0.0},       {89.99999, 179.99999}, {-90.0, -180.0},
  };
  int addresses = 0;
  for (const auto& p : kPlaces) {
    SCOPED_TRACE(testing::Message() << p.lat << "," << p.lng);
    const Coordinates at(p.lat, p.lng);
    const std::string where = lat_lng_fields(p.lat, p.lng);
    for (const char* language : {"en", "de", "ja"}) {
      SCOPED_TRACE(language);
      const Optional<std::string> words = engine.convert_to_3wa(at, language);
      EXPECT_EQ(ask("{\"op\":\"convert_to_3wa\"," + where + ",\"language\":\"" +
                    language + "\"}"),
                result(optional_text_json(words)));
      EXPECT_EQ(ask("{\"op\":\"nearest_place\"," + where + ",\"language\":\"" +
                    language + "\"}"),
                result(optional_text_json(engine.nearest_place(at, language))));
      if (!words) continue;
      ++addresses;
      const std::string address = "\"address\":" + text_json(*words);
      const Optional<Coordinates> centre =
          engine.convert_to_coordinates(*words);
      ASSERT_TRUE(centre.has_value());
      EXPECT_EQ(ask("{\"op\":\"convert_to_coordinates\"," + address + "}"),
                result(position_json(*centre)));
      EXPECT_EQ(ask("{\"op\":\"language_code\"," + address + "}"),
                result(optional_text_json(engine.language_code(*words))));
    }
    EXPECT_EQ(ask("{\"op\":\"country_code\"," + where + "}"),
              result(text_json(engine.country_code(at))));
    const BoundingBox square = engine.grid_square(at);
    EXPECT_EQ(ask("{\"op\":\"grid_square\"," + where + "}"),
              result("{\"sw\":" + position_json(square.sw) +
                     ",\"ne\":" + position_json(square.ne) + "}"));
    EXPECT_EQ(ask("{\"op\":\"distance\",\"a\":{" + where +
                  "},\"b\":{\"lat\":51.5,\"lng\":-0.12}}"),
              result(json_number_text(
                  engine.distance(at, Coordinates(51.5, -0.12)))));
  }
  EXPECT_GT(addresses, 0);

  const BoundingBox box(Coordinates(51.52, -0.12),
                        Coordinates(51.5201, -0.1199));
  std::string lines;
  for (const GridLine& line : engine.grid_section(box)) {
    lines += std::string(lines.empty() ? "" : ",") +
             "{\"start\":" + position_json(line.start_point) +
             ",\"end\":" + position_json(line.end_point) + "}";
  }
  EXPECT_NE(lines, "");
  EXPECT_EQ(ask(R"({"op":"grid_section","sw":{"lat":51.52,"lng":-0.12},)"
                R"("ne":{"lat":51.5201,"lng":-0.1199}})"),
            result("[" + lines + "]"));

  std::string codes;
  for (const std::string& code : engine.available_languages()) {
    codes += (codes.empty() ? "" : ",") + text_json(code);
  }
  EXPECT_EQ(ask(R"({"op":"available_languages"})"), result("[" + codes + "]"));
  EXPECT_EQ(ask(R"({"op":"version"})"), result(text_json(engine.version())));
  EXPECT_EQ(ask(R"({"op":"data_version"})"),
            result(text_json(engine.data_version())));
  const ErrorDescriptor french = engine.is_available(Language("fr"));
  EXPECT_EQ(ask(R"({"op":"is_available","language":"fr"})"),
            result("{\"code\":" + std::to_string(french.code) +
                   ",\"message\":" + text_json(french.message) + "}"));
}

TEST_P(BatchOverFixture, SuggestsAsTheEngineDoes) {
  const std::vector<Suggestion> expected =
      engine_->autosuggest("defais.marbra.haith",
                           {focus(Coordinates(0.0, 10.0)), n_results(4),
                            clip_to_countries({Country("BB"), Country("AA")})});
  ASSERT_FALSE(expected.empty());
  std::string list;
  for (const Suggestion& s : expected) {
    list += std::string(list.empty() ? "" : ",") +
            "{\"words\":" + text_json(s.words) +
            ",\"language\":" + text_json(s.language) +
            ",\"distance_to_focus_km\":" +
            json_number_text(*s.distance_to_focus_km) +
            ",\"country\":" + text_json(s.country) +
            ",\"nearest_place\":" + optional_text_json(s.nearest_place) + "}";
  }
  EXPECT_EQ(ask(R"({"op":"autosuggest","input":"defais.marbra.haith",)"
                R"("options":{"focus":{"lat":0,"lng":10},"n_results":4,)"
                R"("clip_countries":["BB","AA"]}})"),
            result("[" + list + "]"));
  EXPECT_EQ(ask(R"({"op":"is_valid_autosuggest_call","input":"x",)"
                R"("options":{"input_type":"mihup"}})"),
            R"({"result":{"code":3,"message":"Apart from text input type, )"
            R"(every other input type must use the language(...) )"
            R"(AutosuggestOption."}})");
}

TEST_P(BatchOverFixture, ErrorsAreTheEnginesOwn) {
  const Engine& engine = *engine_;
  EXPECT_EQ(ask(R"({"op":"convert_to_3wa","lat":1,"lng":2,"language":"fr"})"),
            error_of([&] { engine.convert_to_3wa(Coordinates(1, 2), "fr"); }));
  EXPECT_EQ(ask(R"({"op":"nearest_place","lat":1,"lng":2,"language":"x1"})"),
            error_of([&] { engine.nearest_place(Coordinates(1, 2), "x1"); }));
  EXPECT_EQ(ask(R"({"op":"grid_section","sw":{"lat":0,"lng":0},)"
                R"("ne":{"lat":10,"lng":10}})"),
            error_of([&] {
              engine.grid_section(
                  BoundingBox(Coordinates(0, 0), Coordinates(10, 10)));
            }));
}

INSTANTIATE_TEST_SUITE_P(Engines, BatchOverFixture, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "Server" : "Device";
                         });

}  // namespace
}  // namespace cli
}  // namespace tessera
