// Both engines over the standard data set: they answer every operation
// alike, and the answers match what the data set was built to hold.
#include "tessera/engine.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tessera/error.h"
#include "testing/fixture_data_set.h"

namespace tessera {
namespace {

const Engine& device() {
  static const std::unique_ptr<Engine> engine =
      new_device_engine(test::fixture_data_dir());
  return *engine;
}

const Engine& server() {
  static const std::unique_ptr<Engine> engine =
      new_server_engine(test::fixture_data_dir());
  return *engine;
}

std::vector<Coordinates> sample_positions(std::uint32_t seed, int count) {
  std::mt19937 random(seed);
  auto uniform = [&random](double low, double high) {
    return low + (high - low) * (random() / 4294967296.0);
  };
  std::vector<Coordinates> positions = {{90.0, 0.0},
                                        {-90.0, 0.0},
                                        {0.0, 180.0},
                                        {0.0, -180.0},
                                        {51.505, -0.125},
                                        {10.25, 20.25},
                                        {51.500729, -0.124625},
                                        {-45.0, 170.0005},
                                        {5.0, 5.0},
                                        {50.5, -179.5}};
  for (int i = 0; i < count; ++i) {
    positions.emplace_back(uniform(-90.0, 90.0), uniform(-180.0, 180.0));
  }
  // Around the excluded areas and the made-up countries.
  for (int i = 0; i < count / 10; ++i) {
    positions.emplace_back(uniform(51.499, 51.511), uniform(-0.131, -0.119));
    positions.emplace_back(uniform(-3.5, 14.5), uniform(-0.5, 20.5));
  }
  return positions;
}

// The outcome of a call as text, so that results and errors compare alike.
template <typename T>
std::string outcome(const std::function<Optional<T>()>& call,
                    const std::function<std::string(const T&)>& show) {
  try {
    const Optional<T> result = call();
    return result.has_value() ? show(*result) : "<empty>";
  } catch (const std::exception& e) {
    return std::string("<error> ") + e.what();
  }
}

std::string show_text(const std::string& s) { return s; }
std::string show_position(const Coordinates& c) {
  return std::to_string(c.lat) + "," + std::to_string(c.lng);
}

TEST(EngineTest, DeviceAndServerEnginesAgreeOnEveryOperation) {
  const std::uint32_t seed = 41;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  int converted = 0;
  int round_trips = 0;
  for (const Coordinates& p : sample_positions(seed, 2000)) {
    SCOPED_TRACE(testing::Message() << p.lat << ", " << p.lng);
    EXPECT_EQ(device().country_code(p), server().country_code(p));
    const BoundingBox a = device().grid_square(p);
    const BoundingBox b = server().grid_square(p);
    EXPECT_EQ(show_position(a.sw), show_position(b.sw));
    EXPECT_EQ(show_position(a.ne), show_position(b.ne));
    for (const char* code : {"en", "de", "ja", "fr", "e n"}) {
      auto on = [&](const Engine& engine) {
        return outcome<std::string>(
            [&] { return engine.convert_to_3wa(p, std::string(code)); },
            show_text);
      };
      const std::string address = on(device());
      ASSERT_EQ(address, on(server())) << code;
      EXPECT_EQ(
          outcome<std::string>(
              [&] { return device().nearest_place(p, std::string(code)); },
              show_text),
          outcome<std::string>(
              [&] { return server().nearest_place(p, std::string(code)); },
              show_text));
      if (address.rfind("<", 0) == 0) continue;
      ++converted;
      auto back = [&](const Engine& engine) {
        return outcome<Coordinates>(
            [&] { return engine.convert_to_coordinates(address); },
            show_position);
      };
      ASSERT_EQ(back(device()), back(server()));
      EXPECT_EQ(device().language_code(address).value(),
                server().language_code(address).value());
      // The address names the square the position lies in.
      const Coordinates centre =
          device().convert_to_coordinates(address).value();
      EXPECT_LE(a.sw.lat, centre.lat);
      EXPECT_GE(a.ne.lat, centre.lat);
      if (a.sw.lng <= a.ne.lng) {
        EXPECT_LE(a.sw.lng, centre.lng);
        EXPECT_GE(a.ne.lng, centre.lng);
      }
      ++round_trips;
    }
  }
  EXPECT_GT(converted, 5000);
  EXPECT_EQ(round_trips, converted);
}

TEST(EngineTest, CountriesAreThoseTheDataSetWasBuiltWith) {
  const struct {
    double lat, lng;
    const char* country;
  } kCases[] = {{1, 1, "AA"},   {4.5, 4.5, "EE"}, {5, 15, "BB"},
                {12, 10, "CC"}, {-1, 10, "XD"},   {50.5, -179, "DD"},
                {40, 40, "ZZ"}, {-60, -100, "ZZ"}};
  for (const auto& c : kCases) {
    for (const Engine* engine : {&device(), &server()}) {
      EXPECT_EQ(engine->country_code(Coordinates(c.lat, c.lng)), c.country)
          << c.lat << ", " << c.lng;
    }
  }
}

TEST(EngineTest, ExcludedSquaresHaveNoAddress) {
  for (const Engine* engine : {&device(), &server()}) {
    EXPECT_FALSE(
        engine->convert_to_3wa(Coordinates(51.505, -0.125), Language("en"))
            .has_value());
    EXPECT_FALSE(
        engine->convert_to_3wa(Coordinates(10.25, 20.25), Language("de"))
            .has_value());
    EXPECT_TRUE(
        engine->convert_to_3wa(Coordinates(51.515, -0.125), Language("en"))
            .has_value());
  }
}

TEST(EngineTest, SmallerWordlistsFallBackToEnglishAtSea) {
  // German has 25,000 words: enough for the land, not for the sea.
  int english = 0;
  for (const Coordinates& p : sample_positions(7, 300)) {
    const auto address = device().convert_to_3wa(p, Language("de"));
    if (!address.has_value()) continue;
    const std::string language = device().language_code(*address).value();
    if (language == "en") {
      ++english;
      EXPECT_EQ(*address, device().convert_to_3wa(p, Language("en")).value());
    } else {
      EXPECT_EQ(language, "de");
    }
  }
  EXPECT_GT(english, 10);
}

TEST(EngineTest, LanguageErrors) {
  for (const Engine* engine : {&device(), &server()}) {
    const Coordinates p(1, 1);
    try {
      engine->convert_to_3wa(p, std::string("fr"));
      ADD_FAILURE() << "French is listed but not installed";
    } catch (const LanguageNotAvalableError& e) {
      EXPECT_STREQ(e.what(), "Language 'fr' not available.");
    }
    EXPECT_THROW(engine->nearest_place(p, Language("zu")),
                 LanguageNotAvalableError);
    EXPECT_THROW(engine->convert_to_3wa(p, std::string("EN")),
                 InvalidArgumentError);
    EXPECT_THROW(engine->nearest_place(p, std::string("en\n")),
                 InvalidArgumentError);
  }
}

TEST(EngineTest, TextThatIsNoAddressGivesNothing) {
  for (const Engine* engine : {&device(), &server()}) {
    for (const char* text :
         {"", "hello", "one.two", "a.b.c", "zzzzzz.zzzzzz.zzzzzz", "a.b.c.d"}) {
      EXPECT_FALSE(engine->convert_to_coordinates(text).has_value()) << text;
      EXPECT_FALSE(engine->language_code(text).has_value()) << text;
    }
    EXPECT_THROW(engine->convert_to_coordinates("\xff.\xfe.\xfd"),
                 InvalidArgumentError);
  }
}

TEST(EngineTest, Queries) {
  for (const Engine* engine : {&device(), &server()}) {
    EXPECT_EQ(engine->version(), "3.5.0");
    EXPECT_EQ(engine->data_version(), device().data_version());
    EXPECT_EQ(engine->available_languages(),
              (std::set<std::string>{"de", "en", "ja"}));
    EXPECT_EQ(engine->is_available(Language("ja")).code, 0);
    const ErrorDescriptor fr = engine->is_valid_language_code("fr");
    EXPECT_EQ(fr.code, 4);
    EXPECT_EQ(fr.message, "Language 'fr' not available.");
    EXPECT_EQ(engine->is_valid_language_code("xx").code, 3);
    EXPECT_EQ(engine->is_valid_language_code("de").code, 0);
    EXPECT_EQ(engine->is_valid_utf8(std::string(262144, 'a')).code, 0);
    EXPECT_EQ(engine->is_valid_utf8(std::string(262145, 'a')).code, 3);
    EXPECT_EQ(engine->is_valid_utf8("\xc3\x28").code, 3);
  }
}

TEST(EngineTest, DistanceIsRoundedHalfAwayFromZeroToOneDecimal) {
  // One degree of latitude on the engine's sphere is 111.195 km, so these
  // offsets give 1,234 m and 1,250 m.
  const double metre = 1 / 111194.92664455873;
  const Coordinates origin(10, 20);
  EXPECT_EQ(device().distance(origin, origin), 0.0);
  EXPECT_DOUBLE_EQ(
      device().distance(origin, Coordinates(10 + 1234 * metre, 20)), 1.2);
  EXPECT_DOUBLE_EQ(
      device().distance(origin, Coordinates(10 + 1250.001 * metre, 20)), 1.3);
  EXPECT_DOUBLE_EQ(server().distance(Coordinates(0, 0), Coordinates(0, 180)),
                   20015.1);
}

TEST(EngineTest, GridOperationsNeedNoData) {
  const BoundingBox square =
      device().grid_square(Coordinates(51.520847, -0.195521));
  EXPECT_LT(square.sw.lat, 51.520847);
  EXPECT_GT(square.ne.lat, 51.520847);
  EXPECT_NEAR(square.ne.lat - square.sw.lat, 0.000027, 0.000002);
  const auto lines = server().grid_section(BoundingBox(
      Coordinates(51.5208, -0.1956), Coordinates(51.5209, -0.1955)));
  EXPECT_FALSE(lines.empty());
  EXPECT_THROW(device().grid_section(
                   BoundingBox(Coordinates(0, 0), Coordinates(10, 10))),
               InvalidArgumentError);
}

}  // namespace
}  // namespace tessera
