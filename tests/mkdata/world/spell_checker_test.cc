#include "mkdata/world/spell_checker.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "mkdata/world/world_sources.h"

namespace tessera {
namespace mkdata {
namespace {

// A dictionary of the installed sources, or "" when it is missing.
std::string dictionary(const std::string& name) {
  const std::string path =
      debian_root(default_world_sources_dir()) + "/usr/share/hunspell/" + name;
  return std::ifstream(path + ".dic") ? path : "";
}

bool has_hunspell() {
  return std::system("command -v hunspell >/dev/null 2>&1") == 0;
}

TEST(SpellChecker, ChecksEachListAgainstItsDictionary) {
  const std::string english = dictionary("en_US");
  const std::string polish = dictionary("pl_PL");  // ISO-8859-2 inside
  if (english.empty() || polish.empty() || !has_hunspell()) {
    GTEST_SKIP() << "hunspell or its dictionaries are not installed";
  }
  const std::vector<std::unordered_set<std::string>> accepted = spell_check(
      {{english, {"house", "hous", "berlin", "paris", "Paris", "walked"}},
       {polish, {"zażółć", "gęślą", "jaźń", "zazolc"}},
       {english, {}}});
  ASSERT_EQ(accepted.size(), 3u);
  // "berlin" is a carriage; "paris" in lower case no English word.
  EXPECT_EQ(accepted[0], (std::unordered_set<std::string>{"house", "berlin",
                                                          "Paris", "walked"}));
  EXPECT_EQ(accepted[1],
            (std::unordered_set<std::string>{"zażółć", "gęślą", "jaźń"}));
  EXPECT_TRUE(accepted[2].empty());
}

TEST(SpellChecker, FailsWhenHunspellFails) {
  if (!has_hunspell()) GTEST_SKIP() << "hunspell is not installed";
  EXPECT_THROW(spell_check({{"/nonexistent/xx_XX", {"word"}}}),
               std::runtime_error);
  EXPECT_THROW(
      spell_check({{"/nonexistent/xx_XX", {"word"}}}, "/nonexistent/hunspell"),
      std::runtime_error);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
