#include "autosuggest/inputtype/input_type.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "autosuggest/inputtype/registry.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

const char* const kNames[] = {"generic-voice", "mawdoo3",     "mihup",
                              "nmdp-asr",      "tsr-ocr-sdk", "speechmatics",
                              "text",          "vocon-hybrid"};

TEST(InputType, CreatesEveryRegisteredType) {
  for (const char* name : kNames) {
    SCOPED_TRACE(name);
    EXPECT_NE(InputType::create(name), nullptr);
  }
  EXPECT_EQ(Registry::instance().entries().size(), 8u);
  // Only "text" is typed input; the other types need the language given.
  EXPECT_TRUE(InputType::create("text")->is_textual());
  EXPECT_FALSE(InputType::create("generic-voice")->is_textual());
}

TEST(InputType, UnknownNameListsEveryType) {
  try {
    InputType::create("Text");
    FAIL() << "no InvalidArgumentError";
  } catch (const InvalidArgumentError& e) {
    std::string expected =
        "Invalid AutosuggestInputType \"Text\".\nAvailable types::\n\n";
    const std::string message = e.what();
    ASSERT_EQ(message.compare(0, expected.size(), expected), 0) << message;
    std::size_t listed = expected.size();
    for (const char* name : kNames) {
      const std::string entry = std::string("\"") + name + "\" : " +
                                Registry::instance().find(name)->help + "\n\n";
      EXPECT_NE(message.find(entry), std::string::npos) << name;
      listed += entry.size();
    }
    EXPECT_EQ(message.size(), listed);
    EXPECT_NE(message.find("\"text\" : Text typed by a user, e.g.'apple.river."
                           "stone'. Default setting. Expects exactly two dots "
                           "and no whitespace in the input.\n\n"),
              std::string::npos);
  }
}

TEST(InputType, RegistryIsBuiltOnceAcrossThreads) {
  std::vector<const Registry*> seen(4, nullptr);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&seen, t] { seen[t] = &Registry::instance(); });
  }
  for (std::thread& thread : threads) thread.join();
  for (const Registry* r : seen) EXPECT_EQ(r, &Registry::instance());
}

TEST(InputType, FocusPenalties) {
  // Values of the closed forms, computed outside the engine; the bound
  // allows for the last bit of the library's log and pow.
  const struct {
    const char* name;
    double at_0, at_1000;
  } kCases[] = {
      {"text", 0, 41.90923758162168},
      {"generic-voice", 0, 41.90923758162168},
      {"speechmatics", 0, 35.55245209435613},
      {"tsr-ocr-sdk", 0, 6908.754779315221},
      {"nmdp-asr", 12.3, 13.534222982222323},
      {"mawdoo3", 0, 6908754779315220.0},
      {"mihup", 0, 6908754779315220.0},
      {"vocon-hybrid", 1275, 425 * std::log10(2000.0)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const auto type = InputType::create(c.name);
    EXPECT_NEAR(type->focus_penalty(0), c.at_0, 1e-12 * (1 + c.at_0));
    EXPECT_NEAR(type->focus_penalty(1000), c.at_1000, 1e-12 * c.at_1000);
  }
  // VoCon stops growing at 5,000 km.
  const auto vocon = InputType::create("vocon-hybrid");
  EXPECT_EQ(vocon->focus_penalty(1e7), vocon->focus_penalty(5e6));
  EXPECT_NEAR(vocon->focus_penalty(5e6), 2847.0991631827587, 1e-9);
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
