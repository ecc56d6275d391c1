#include "cli/suggest.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "engine/autosuggest_settings.h"
#include "gtest/gtest.h"
#include "tessera/country.h"
#include "tessera/error.h"
#include "tessera/language.h"
#include "testing/settings_text.h"
#include "tools/fake_engine.h"

namespace tessera {
namespace cli {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
  bool engine_built = false;
  std::vector<test::FakeEngine::AutosuggestCall> calls;

  // The settings the options of the one autosuggest call fold into.
  std::string settings() const {
    if (calls.size() != 1)
      return "(" + std::to_string(calls.size()) + " calls)";
    return test::settings_text(engine::autosuggest_settings(calls[0].options));
  }
};

Outcome run(const std::vector<std::string>& args,
            const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome;
  outcome.status = run_tool(
      args, Console{in, out, err}, [&outcome](EngineKind, const std::string&) {
        outcome.engine_built = true;
        return std::make_unique<test::FakeEngine>(&outcome.calls);
      });
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

// The message a value type throws.
template <typename Build>
std::string message_of(Build build) {
  try {
    build();
  } catch (const InvalidArgumentError& e) {
    return e.what();
  }
  return "(did not throw)";
}

TEST(Suggest, PrintsOneSuggestionPerLineInTabbedFields) {
  const Outcome outcome = run({"suggest", "index.home.r"});
  EXPECT_EQ(outcome.status, kExitSuccess);
  EXPECT_EQ(outcome.out,
            "index.home.raft\ten\tGB\tLndn\t1.5\n"
            "indexes.home.raft\ten\tZZ\t\n");
  EXPECT_EQ(outcome.err, "");
  ASSERT_EQ(outcome.calls.size(), 1u);
  EXPECT_EQ(outcome.calls[0].input, "index.home.r");
  EXPECT_EQ(outcome.settings(), "");
}

TEST(Suggest, PrintsJsonOnRequest) {
  const Outcome outcome = run({"suggest", "--json", "index.home.r"});
  EXPECT_EQ(outcome.status, kExitSuccess);
  EXPECT_EQ(outcome.out,
            R"([{"words":"index.home.raft","language":"en",)"
            R"("distance_to_focus_km":1.5,"country":"GB",)"
            R"("nearest_place":"Lndn"},{"words":"indexes.home.raft",)"
            R"("language":"en","distance_to_focus_km":null,"country":"ZZ",)"
            R"("nearest_place":null}])"
            "\n");
}

TEST(Suggest, NoSuggestionAndEngineErrorsHaveTheirStatuses) {
  const Outcome none = run({"suggest", "no.such.words"});
  EXPECT_EQ(none.status, kExitNoResult);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err, "tessera: no suggestions\n");

  const Outcome none_json = run({"suggest", "no.such.words", "--json"});
  EXPECT_EQ(none_json.status, kExitNoResult);
  EXPECT_EQ(none_json.out, "[]\n");

  const Outcome failed = run({"suggest", ""});
  EXPECT_EQ(failed.status, kExitFailure);
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(failed.err, "tessera: Autosuggest is not available yet.\n");
}

TEST(Suggest, EachFlagMakesItsOption) {
  const struct {
    std::vector<std::string> flags;
    const char* settings;
  } kCases[] = {
      {{}, ""},
      {{"--language", "de"}, "language=de"},
      {{"--disable-language-detection"}, "no_detection"},
      {{"--n-results", "0"}, "n_results=0"},
      {{"--n-results", "4294967295"}, "n_results=4294967295"},
      {{"--n-results", "2", "--n-results", "7"}, "n_results=7"},
      {{"--focus", "-33.875,18.5"}, "focus=-33.875,18.5"},
      {{"--focus=51.5,-0.125"}, "focus=51.5,-0.125"},
      {{"--n-focus-results", "1"}, "n_focus_results=1"},
      {{"--clip-circle", "51,-0.5,10.5"}, "circle=51,-0.5,10.5"},
      {{"--clip-box", "-1,-2,3,4"}, "box=-1,-2,3,4"},
      {{"--clip-polygon", "1,2,3,4,5,0.25,1,2"}, "polygon=1,2;3,4;5,0.25;1,2"},
      {{"--clip-countries", "GB,FR,GB"}, "countries=FR,GB"},
      {{"--clip-countries", "ZZ"}, "countries=ZZ"},
      {{"--input-type", "generic-voice"}, "input_type=generic-voice"},
      {{"--prefer-land", "false"}, "prefer_land=false"},
      {{"--prefer-land", "true"}, "prefer_land=true"},
      // Every flag, in reverse order: the options keep theirs.
      {{"--prefer-land",
        "false",
        "--input-type",
        "vocon-hybrid",
        "--clip-countries",
        "GB",
        "--clip-polygon",
        "1,2,3,4,5,6,1,2",
        "--clip-box",
        "1,2,3,4",
        "--clip-circle",
        "51,0,10.5",
        "--n-focus-results",
        "1",
        "--focus",
        "51.5,-0.125",
        "--n-results",
        "5",
        "--disable-language-detection",
        "--language",
        "en"},
       "language=en no_detection n_results=5 focus=51.5,-0.125 "
       "n_focus_results=1 circle=51,0,10.5 box=1,2,3,4 "
       "polygon=1,2;3,4;5,6;1,2 countries=GB input_type=vocon-hybrid "
       "prefer_land=false"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"suggest", "a.b.c"};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    SCOPED_TRACE(c.settings);
    const Outcome outcome = run(args);
    EXPECT_EQ(outcome.status, kExitSuccess) << outcome.err;
    EXPECT_EQ(outcome.settings(), c.settings);
  }
}

TEST(Suggest, MalformedFlagValuesAreUsageErrors) {
  const struct {
    std::vector<std::string> flags;
    const char* err;  // exact, or "" to check only that there is a message
  } kCases[] = {
      {{"--focus", "51.5"}, "--focus must be LAT,LNG, not \"51.5\""},
      {{"--focus", "1,2,3"}, "--focus must be LAT,LNG, not \"1,2,3\""},
      {{"--focus", ""}, "--focus must be LAT,LNG, not \"\""},
      {{"--focus", "north,0"}, "--focus: \"north\" is not a number"},
      {{"--focus", "1,"}, "--focus: \"\" is not a number"},
      {{"--focus", "1, 2"}, "--focus: \" 2\" is not a number"},
      {{"--clip-circle", "1,2"},
       "--clip-circle must be LAT,LNG,KM, not \"1,2\""},
      {{"--clip-circle", "1,2,1e999"},
       "--clip-circle: \"1e999\" is not a number"},
      {{"--clip-box", "1,2,3"},
       "--clip-box must be SWLAT,SWLNG,NELAT,NELNG, not \"1,2,3\""},
      {{"--clip-polygon", "1,2,3"},
       "--clip-polygon must be LAT,LNG pairs, not \"1,2,3\""},
      {{"--clip-polygon", "1,2,x,4"}, "--clip-polygon: \"x\" is not a number"},
      {{"--n-results", "-1"},
       "--n-results must be a whole number from 0 to 4294967295, not \"-1\""},
      {{"--n-results", "4294967296"},
       "--n-results must be a whole number from 0 to 4294967295, not "
       "\"4294967296\""},
      {{"--n-results", "2.5"},
       "--n-results must be a whole number from 0 to 4294967295, not \"2.5\""},
      {{"--n-focus-results", ""},
       "--n-focus-results must be a whole number from 0 to 4294967295, not "
       "\"\""},
      {{"--prefer-land", "yes"},
       "--prefer-land must be true or false, not \"yes\""},
      {{"--clip-countries", "GB,,FR"},
       "--clip-countries must be country codes separated by commas, not "
       "\"GB,,FR\""},
      // The shape of every flag is checked before any value is built.
      {{"--focus", "91,0", "--n-results", "x"},
       "--n-results must be a whole number from 0 to 4294967295, not \"x\""},
      {{"--focus"}, ""},
      {{"--colour", "red"}, ""},
      {{"--disable-language-detection=maybe"}, ""},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"suggest", "a.b.c"};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    SCOPED_TRACE(c.flags[0] + " " + (c.flags.size() > 1 ? c.flags[1] : ""));
    const Outcome outcome = run(args);
    EXPECT_EQ(outcome.status, kExitUsage);
    EXPECT_EQ(outcome.out, "");
    if (*c.err != '\0') {
      EXPECT_EQ(outcome.err, std::string("tessera: ") + c.err + "\n");
    } else {
      EXPECT_NE(outcome.err, "");
    }
    EXPECT_FALSE(outcome.engine_built);
  }
  EXPECT_EQ(run({"suggest"}).status, kExitUsage);
}

TEST(Suggest, ValuesTheValueTypesRefuseAreEngineErrors) {
  const struct {
    std::vector<std::string> flags;
    std::string err;
  } kCases[] = {
      {{"--language", "EN"}, message_of([] { Language("EN"); })},
      {{"--focus", "91,0"}, "Invalid latitude: 91.000000."},
      {{"--clip-circle", "0,0,-1"}, "circle radius is negative."},
      {{"--clip-box", "3,2,1,4"},
       "Bounding box must have SW then NE: 3.000000,2.000000 --- "
       "1.000000,4.000000."},
      {{"--clip-polygon", "1,2,3,4,5,6,1,2.5"},
       "The last point of a polygon must be the same as the first point."},
      {{"--clip-polygon", "1,2,3,4,1,2"},
       "A polygon must have at least 3 points (not counting the repeated "
       "first point)."},
      {{"--clip-countries", "GB,gb"}, message_of([] { Country("gb"); })},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"suggest", "a.b.c"};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    SCOPED_TRACE(c.flags[0]);
    const Outcome outcome = run(args);
    EXPECT_EQ(outcome.status, kExitFailure);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "tessera: " + c.err + "\n");
    EXPECT_TRUE(outcome.calls.empty());
  }
}

TEST(Suggest, ADashReadsTheInputFromStandardInput) {
  const std::string vocon =
      R"({"_hypotheses":[{"_conf":5000,"_items":[{"_orthography":"a"}]}]})";
  const struct {
    std::string stdin_text;
    std::string input;
  } kCases[] = {
      {vocon + "\n", vocon},
      {vocon, vocon},
      {"index.home.raft\r\n", "index.home.raft"},
      {"line one\nline two\n\n", "line one\nline two\n"},
      {"", ""},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    const Outcome outcome = run(
        {"suggest", "--input-type", "vocon-hybrid", "--language", "en", "-"},
        c.stdin_text);
    ASSERT_EQ(outcome.calls.size(), 1u);
    EXPECT_EQ(outcome.calls[0].input, c.input);
    EXPECT_EQ(outcome.settings(), "language=en input_type=vocon-hybrid");
  }

  const Outcome huge =
      run({"suggest", "-"}, std::string((std::size_t{1} << 20) + 1, 'a'));
  EXPECT_EQ(huge.status, kExitUsage);
  EXPECT_EQ(huge.err, "tessera: standard input is longer than 1048576 bytes\n");
  EXPECT_FALSE(huge.engine_built);
  EXPECT_EQ(run({"suggest", "-"}, std::string(std::size_t{1} << 20, 'a'))
                .calls.at(0)
                .input.size(),
            std::size_t{1} << 20);
}

TEST(Suggest, HelpDescribesEveryFlag) {
  const Outcome help = run({"suggest", "--help"});
  EXPECT_EQ(help.status, kExitSuccess);
  EXPECT_FALSE(help.engine_built);
  for (const char* flag :
       {"INPUT", "--language", "--disable-language-detection", "--n-results",
        "--focus", "--n-focus-results", "--clip-circle", "--clip-box",
        "--clip-polygon", "--clip-countries", "--input-type", "--prefer-land",
        "--json", "LAT,LNG,KM", "SWLAT,SWLNG,NELAT,NELNG"}) {
    SCOPED_TRACE(flag);
    EXPECT_NE(help.out.find(flag), std::string::npos);
  }
  EXPECT_NE(run({"--help"}).out.find("suggest"), std::string::npos);
}

}  // namespace
}  // namespace cli
}  // namespace tessera
