// Autosuggest through both engines on the standard data set: misspelt
// addresses come back, exact ones first, and focus, clipping, sea and the
// option checks behave as documented. Both engines answer alike.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "engine/autosuggest_option_implementation.h"
#include "tessera/autosuggest_options.h"
#include "tessera/engine.h"
#include "tessera/error.h"
#include "testing/fixture_data_set.h"

namespace tessera {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// An address of the fixture on land in country BB, at 0.12345, 10.654328.
constexpr char kAddress[] = "defais.marbra.haithi";
const Coordinates kAddressCentre(0.12345, 10.654328);

const Engine& engine(bool server) {
  static const std::unique_ptr<Engine> device =
      new_device_engine(test::fixture_data_dir());
  static const std::unique_ptr<Engine> memory =
      new_server_engine(test::fixture_data_dir());
  return server ? *memory : *device;
}

std::vector<std::string> words_of(const std::vector<Suggestion>& suggestions) {
  std::vector<std::string> words;
  for (const Suggestion& s : suggestions) words.push_back(s.words);
  return words;
}

// One line per suggestion with every field, so whole answers compare.
std::string describe(const std::vector<Suggestion>& suggestions) {
  std::string out;
  for (const Suggestion& s : suggestions) {
    out += s.words + " " + s.language + " " + s.country + " " +
           (s.nearest_place ? *s.nearest_place : "-") + " " +
           (s.distance_to_focus_km ? std::to_string(*s.distance_to_focus_km)
                                   : "-") +
           "\n";
  }
  return out;
}

class EngineAutosuggestTest : public testing::TestWithParam<bool> {
 protected:
  std::vector<Suggestion> suggest(const std::string& input,
                                  std::vector<AutosuggestOption> options = {}) {
    return engine(GetParam()).autosuggest(input, std::move(options));
  }
};

TEST_P(EngineAutosuggestTest, AnExactAddressComesFirstInItsStoredForm) {
  for (const char* input : {kAddress, "DEFAIS.MARBRA.HAITHI"}) {
    SCOPED_TRACE(input);
    const std::vector<Suggestion> found = suggest(input, {n_results(5)});
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].words, kAddress);
    EXPECT_EQ(found[0].language, "en");
    EXPECT_EQ(found[0].country, "BB");
    EXPECT_EQ(found[0].nearest_place,
              Optional<std::string>("Vorvor, Tenka Province"));
    EXPECT_FALSE(found[0].distance_to_focus_km.has_value());
  }
}

// One letter changed, dropped, doubled, or two swapped, in any word. Each
// address here is the closest on land to its misspelling; most candidates
// of the fixture lie at sea, so eight are asked for.
TEST_P(EngineAutosuggestTest, AnAddressWithOneTypoComesBackFirst) {
  const struct {
    const char* input;
    const char* meant;
  } kCases[] = {
      {"defais.marbra.haitha", kAddress},
      {"defais.marbra.haith", kAddress},
      {"defais.marbra.haithhi", kAddress},
      {"defais.marbra.hatihi", kAddress},
      {"defias.marbra.haithi", kAddress},
      {"defais.marbraa.haithi", kAddress},
      {"gener.jalain.turla", "gener.jalain.turlat"},
      {"ride.huldo.radrea", "ride.huldoo.radrea"},
      {"choule.sasgos.entae", "choule.sasgos.entea"},
      {"hüpfär.launi.rißlo", "hüpfär.launi.rißlon"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    const std::vector<Suggestion> found = suggest(c.input, {n_results(8)});
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].words, c.meant);
  }
}

TEST_P(EngineAutosuggestTest, FocusRanksByDistanceAndReportsIt) {
  const std::vector<Suggestion> plain = suggest("defais.marbra.haith");
  const std::vector<Suggestion> focused = suggest(
      "defais.marbra.haith",
      {focus(Coordinates(0.0, 10.0)), n_results(5), n_focus_results(2)});
  // Two from the focus ranking, the rest from the plain one, which the sea
  // thins out here.
  ASSERT_GE(focused.size(), 2u);
  ASSERT_LE(focused.size(), 5u);
  for (const Suggestion& s : focused) {
    ASSERT_TRUE(s.distance_to_focus_km.has_value());
    // Kilometres rounded half away from zero to one decimal.
    const double tenths = *s.distance_to_focus_km * 10;
    EXPECT_EQ(tenths, static_cast<double>(static_cast<long long>(tenths)));
  }
  // 0.12345 degrees north and 0.654328 east of the focus, about 73.9 km.
  EXPECT_EQ(focused[0].words, kAddress);
  EXPECT_EQ(
      *focused[0].distance_to_focus_km,
      engine(GetParam()).distance(kAddressCentre, Coordinates(0.0, 10.0)));
  // No suggestion comes twice.
  std::set<std::string> unique;
  for (const Suggestion& s : focused)
    EXPECT_TRUE(unique.insert(s.words).second);
  for (const Suggestion& s : plain) {
    EXPECT_FALSE(s.distance_to_focus_km.has_value());
  }
}

TEST_P(EngineAutosuggestTest, ClipsKeepOnlyTheirArea) {
  const std::string input = "defais.marbra.haith";
  const Coordinates far(50.0, -120.0);
  const struct {
    const char* what;
    AutosuggestOption clip;
    bool keeps_the_address;
  } kCases[] = {
      {"circle round it", clip_to_circle(Circle(kAddressCentre, 1.0)), true},
      {"circle elsewhere", clip_to_circle(Circle(far, 100.0)), false},
      {"box round it",
       clip_to_bounding_box(
           BoundingBox(Coordinates(0.0, 10.0), Coordinates(0.2, 11.0))),
       true},
      {"box elsewhere",
       clip_to_bounding_box(
           BoundingBox(Coordinates(40.0, -130.0), Coordinates(60.0, -110.0))),
       false},
      {"polygon round it",
       clip_to_polygon(Polygon({Coordinates(0.0, 10.0), Coordinates(0.3, 10.0),
                                Coordinates(0.3, 11.0), Coordinates(0.0, 11.0),
                                Coordinates(0.0, 10.0)})),
       true},
      {"its country", clip_to_countries({Country("BB")}), true},
      {"another country", clip_to_countries({Country("CC")}), false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::string> words =
        words_of(suggest(input, {c.clip, n_results(10)}));
    EXPECT_EQ(std::count(words.begin(), words.end(), kAddress) == 1,
              c.keeps_the_address);
  }
  // An exact address outside the clip is not suggested either.
  EXPECT_THAT(words_of(suggest(kAddress, {clip_to_countries({Country("CC")}),
                                          n_results(10)})),
              ::testing::Not(::testing::Contains(kAddress)));
}

// XD is disputed between AA and BB: clipping to either includes it.
TEST_P(EngineAutosuggestTest, ClippingToACountryIncludesItsDisputedAreas) {
  const std::vector<Suggestion> found =
      suggest("defais.traira.haith", {clip_to_countries({Country("AA")})});
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found[0].words, "defais.traira.haithi");
  EXPECT_EQ(found[0].country, "XD");
  for (const Suggestion& s : found) {
    EXPECT_TRUE(s.country == "AA" || s.country == "XD") << s.country;
  }
  for (const Suggestion& s :
       suggest("defais.traira.haith", {clip_to_countries({Country("CC")})})) {
    EXPECT_EQ(s.country, "CC");
  }
}

TEST_P(EngineAutosuggestTest, SeaIsLeftOutUnlessLandIsNotPreferred) {
  const std::string input = "hüpfär.launi.rißlo";
  for (const Suggestion& s : suggest(input, {n_results(8)})) {
    EXPECT_NE(s.country, "ZZ") << s.words;
  }
  int at_sea = 0;
  for (const Suggestion& s :
       suggest(input, {n_results(8), prefer_land(false)})) {
    at_sea += s.country == "ZZ";
  }
  EXPECT_GT(at_sea, 0);
}

TEST_P(EngineAutosuggestTest, OptionsThatDoNotFitAreRefused) {
  const Engine& e = engine(GetParam());
  const struct {
    const char* what;
    std::vector<AutosuggestOption> options;
    const char* message;
  } kCases[] = {
      {"unknown type",
       {input_type("Text")},
       "Invalid AutosuggestInputType \"Text\"."},
      {"recogniser without language",
       {input_type("generic-voice")},
       "Apart from text input type, every other input type must use the "
       "language(...) AutosuggestOption."},
      {"detection off without language",
       {disable_language_detection()},
       "In autosuggest call, disable_language_detection must be used together "
       "with the language(...) AutosuggestOption."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    try {
      e.autosuggest(kAddress, c.options);
      ADD_FAILURE() << "accepted";
    } catch (const InvalidArgumentError& error) {
      EXPECT_THAT(error.what(), HasSubstr(c.message));
    }
    const ErrorDescriptor check =
        e.is_valid_autosuggest_call(kAddress, c.options);
    EXPECT_EQ(check.code, 3);
    EXPECT_THAT(check.message, HasSubstr(c.message));
  }
  EXPECT_THROW(e.autosuggest(kAddress, {language(Language("fr"))}),
               LanguageNotAvalableError);
  EXPECT_EQ(
      e.is_valid_autosuggest_call(kAddress, {language(Language("fr"))}).code,
      4);
  EXPECT_EQ(e.is_valid_autosuggest_call("\xff", {}).code, 3);
  EXPECT_EQ(e.is_valid_autosuggest_call(kAddress, {}).code, 0);
  // An option without an edit, and no option at all.
  EXPECT_EQ(e.is_valid_autosuggest_call(
                 "x", {std::make_shared<AutosuggestOptionImplementation>(
                          AutosuggestOptionImplementation::Edit())})
                .code,
            3);
  EXPECT_EQ(e.is_valid_autosuggest_call(kAddress, {nullptr}).code, 3);
}

TEST_P(EngineAutosuggestTest, SpokenWordsNeedTheLanguageAndFindTheAddress) {
  const std::vector<Suggestion> found =
      suggest("defais  marbra\thaith extra",
              {input_type("generic-voice"), language(Language("en"))});
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found[0].words, kAddress);
}

INSTANTIATE_TEST_SUITE_P(Engines, EngineAutosuggestTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "Server" : "Device";
                         });

// The calls the comparisons below make: typed, spoken and focused input.
struct Call {
  std::string input;
  std::vector<AutosuggestOption> options;
};

std::vector<Call> mixed_calls() {
  return {
      {"defais.marbra.haith", {}},
      {"defais.marbra.haith", {focus(Coordinates(0.0, 10.0)), n_results(6)}},
      {"hüpfär.launi.rißlo", {prefer_land(false), n_results(5)}},
      {"choule.sasgos.entae", {clip_to_countries({Country("BB")})}},
      {"gener jalain turla",
       {input_type("generic-voice"), language(Language("en"))}},
      {"すんお。へれは。あんろ", {}},
      {"ride.huldo.radrea",
       {n_focus_results(1), focus(Coordinates(12.0, 14.0))}},
  };
}

TEST(EngineAutosuggest, BothEnginesSuggestAlike) {
  for (const Call& call : mixed_calls()) {
    SCOPED_TRACE(call.input);
    EXPECT_EQ(describe(engine(false).autosuggest(call.input, call.options)),
              describe(engine(true).autosuggest(call.input, call.options)));
  }
}

// Several threads mix autosuggest with conversions on each engine; every
// answer must equal the one a single thread gets.
TEST(EngineAutosuggest, ConcurrentCallsAnswerAsOneThreadDoes) {
  const std::vector<Call> calls = mixed_calls();
  for (const bool server : {false, true}) {
    SCOPED_TRACE(server ? "server" : "device");
    const Engine& e = engine(server);
    std::vector<std::string> expected;
    for (const Call& call : calls) {
      expected.push_back(describe(e.autosuggest(call.input, call.options)));
    }
    const std::string expected_address =
        *e.convert_to_3wa(kAddressCentre, "en");
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
      threads.emplace_back([&, t] {
        for (int round = 0; round < 6; ++round) {
          const std::size_t i = (round * 3 + t) % calls.size();
          if (describe(e.autosuggest(calls[i].input, calls[i].options)) !=
              expected[i]) {
            ++mismatches[t];
          }
          if (*e.convert_to_3wa(kAddressCentre, "en") != expected_address) {
            ++mismatches[t];
          }
        }
      });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
  }
}

}  // namespace
}  // namespace tessera
