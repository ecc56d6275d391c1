#include "cli/commands.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "tessera/error.h"
#include "tessera/version.h"
#include "testing/fixture_data_set.h"
#include "testing/temp_dir.h"
#include "tools/fake_engine.h"

namespace tessera {
namespace cli {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
  // How the engine was asked for: "device:/dir", or "" when it was not.
  std::string engine;
};

Outcome run(const std::vector<std::string>& args,
            const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome;
  outcome.status = run_tool(
      args, Console{in, out, err},
      [&outcome](EngineKind kind, const std::string& dir) {
        outcome.engine =
            (kind == EngineKind::kServer ? "server:" : "device:") + dir;
        if (dir == "/broken") FileError::raise("Missing file: words");
        return std::make_unique<test::FakeEngine>();
      });
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

TEST(Commands, PrintResultsOnePerLine) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } kCases[] = {
      {{"convert", "51.5", "-0.12", "en"}, "index.home.raft\n"},
      {{"convert", "-33.9", "-18.4", "en"}, "index.home.raft\n"},
      {{"reverse", "index.home.raft"}, "51.520847,-0.195521\n"},
      {{"language", "x.y.z"}, "x.y.z\n"},
      {{"nearest", "-1e-3", "2", "en"}, "Lndn\n"},
      {{"country", "1", "2.5"}, "GB\n"},
      {{"square", "1.25", "-0.0000004"}, "1.25,0 1.25,0\n"},
      {{"section", "1", "-2", "3.1234567", "4"},
       "1,-2 1,4\n1,-2 3.123457,-2\n"},
      {{"distance", "0", "1", "0", "-1.5"}, "-2.5\n"},
      {{"languages"}, "de\nen\nja\n"},
      {{"data-version"}, "fake data 1\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.args[0]);
    const Outcome outcome = run(c.args);
    EXPECT_EQ(outcome.status, kExitSuccess);
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.engine, std::string("device:") + kDefaultDataDir);
  }
}

TEST(Commands, GlobalOptionsGoBeforeOrAfterTheCommand) {
  EXPECT_EQ(run({"--data", "/d", "--engine", "server", "languages"}).engine,
            "server:/d");
  EXPECT_EQ(run({"languages", "--engine", "server", "--data", "/d"}).engine,
            "server:/d");
  EXPECT_EQ(run({"--engine=device", "version"}).status, kExitSuccess);
}

TEST(Commands, FailuresHaveDistinctStatuses) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;  // exact, or "" to check only that there is a message
    bool builds_engine;
  } kCases[] = {
      {{"convert", "0", "1", "en"},
       kExitNoResult,
       "tessera: no address for this position\n",
       true},
      {{"reverse", "no.such.words"},
       kExitNoResult,
       "tessera: not a three-word address\n",
       true},
      {{"language", ""},
       kExitNoResult,
       "tessera: not a three-word address\n",
       true},
      {{"nearest", "0", "1", "en"},
       kExitNoResult,
       "tessera: no place near this position\n",
       true},
      {{"convert", "91", "0", "en"},
       kExitFailure,
       "tessera: Invalid latitude: 91.000000.\n",
       true},
      {{"convert", "1", "0", "zz"},
       kExitFailure,
       "tessera: Language 'zz' not available.\n",
       true},
      {{"country", "1", "6"}, kExitFailure, "tessera: vector index 9\n", true},
      {{"--data", "/broken", "languages"},
       kExitFailure,
       "tessera: Missing file: words\n",
       true},
      // Arguments are checked before any data is loaded.
      {{"convert", "north", "0", "en"},
       kExitUsage,
       "tessera: LAT is not a number: \"north\"\n",
       false},
      {{"distance", "0", "0", "1", "1,5"},
       kExitUsage,
       "tessera: LNG2 is not a number: \"1,5\"\n",
       false},
      {{}, kExitUsage, "", false},
      {{"convert", "1", "2"}, kExitUsage, "", false},
      {{"convert", "1", "2", "en", "extra"}, kExitUsage, "", false},
      {{"teleport"}, kExitUsage, "", false},
      {{"--engine", "gpu", "languages"}, kExitUsage, "", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.args.empty() ? "(none)" : c.args[0]);
    const Outcome outcome = run(c.args);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.out, "");
    if (*c.err != '\0') {
      EXPECT_EQ(outcome.err, c.err);
    } else {
      EXPECT_NE(outcome.err, "");
    }
    EXPECT_EQ(!outcome.engine.empty(), c.builds_engine);
  }
}

TEST(Commands, HelpDescribesEachCommand) {
  const Outcome top = run({"--help"});
  EXPECT_EQ(top.status, kExitSuccess);
  for (const char* command :
       {"convert", "reverse", "language", "nearest", "country", "square",
        "section", "distance", "languages", "version", "data-version",
        "check-data", "batch"}) {
    SCOPED_TRACE(command);
    EXPECT_NE(top.out.find(command), std::string::npos);
    const Outcome help = run({command, "--help"});
    EXPECT_EQ(help.status, kExitSuccess);
    EXPECT_NE(help.out.find("Usage"), std::string::npos);
    EXPECT_EQ(help.engine, "");
  }
  EXPECT_NE(run({"section", "--help"}).out.find("NELNG"), std::string::npos);
}

TEST(Commands, VersionNeedsNoEngineAndCheckDataLoadsBoth) {
  const Outcome version = run({"version"});
  EXPECT_EQ(version.status, kExitSuccess);
  EXPECT_EQ(version.out, std::string(kEngineVersion) + "\n");
  EXPECT_EQ(version.engine, "");

  const test::TempDir empty;
  const Outcome missing = run({"check-data", empty.path()});
  EXPECT_EQ(missing.status, kExitFailure);
  EXPECT_EQ(missing.out.substr(0, 2), "2 ");
  EXPECT_EQ(missing.engine, "");

  // The server engine is built last.
  const Outcome fixture = run({"check-data", test::fixture_data_dir()});
  EXPECT_EQ(fixture.status, kExitSuccess);
  EXPECT_EQ(fixture.out, "0\n");
  EXPECT_EQ(fixture.err, "");
  EXPECT_EQ(fixture.engine, "server:" + test::fixture_data_dir());
}

TEST(Commands, BatchAnswersStandardInput) {
  const Outcome outcome =
      run({"batch", "--data", "/d"}, "{\"op\":\"version\"}\n{\"op\":\"x\"}\n");
  EXPECT_EQ(outcome.status, kExitSuccess);
  EXPECT_EQ(outcome.out,
            "{\"result\":\"3.5.0-fake\"}\n"
            "{\"error\":{\"type\":\"usage\",\"message\":\"unknown op "
            "\\\"x\\\"\"}}\n");
  EXPECT_EQ(outcome.engine, "device:/d");

  const Outcome broken = run({"batch", "--data", "/broken"}, "{}\n");
  EXPECT_EQ(broken.status, kExitFailure);
  EXPECT_EQ(broken.out, "");
  EXPECT_EQ(broken.err, "tessera: Missing file: words\n");
}

}  // namespace
}  // namespace cli
}  // namespace tessera
