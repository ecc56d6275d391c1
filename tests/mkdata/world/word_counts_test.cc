#include "mkdata/world/word_counts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkdata/world/world_sources.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

std::string describe(const std::vector<WordCount>& counts) {
  std::string out;
  for (const WordCount& c : counts) {
    out += c.word + "=" + std::to_string(c.count) + " ";
  }
  return out;
}

TEST(WordCounts, ReadsTheUnigramsOfAnOnboardModel) {
  const char kModel[] =
      "\n\\data\\\nngram 1=6\nngram 2=1\n\n"
      "\\1-grams:\n"
      "1 <unk>\n"
      "1 <s>\n"
      "16716580 der\r\n"
      "88225 Haus\n"
      "9999999999999999999 max\n"
      "\n"
      "\\2-grams:\n"
      "363 AG Weser\n"
      "\\end\\\n";
  EXPECT_EQ(describe(parse_onboard_unigrams(kModel, "de_DE.lm")),
            "der=16716580 Haus=88225 max=9999999999999999999 ");
}

TEST(WordCounts, RejectsMalformedModelsNamingTheLine) {
  const struct {
    const char* text;
    const char* message;
  } kCases[] = {
      {"\\data\\\nngram 1=1\n", "de.lm: no \\1-grams: section"},
      {"\\1-grams:\n12 der\n12der\n", "de.lm:3: not a count and a word"},
      {"\\1-grams:\nx der\n", "de.lm:2: not a count and a word"},
      {"\\1-grams:\n12 two words\n", "de.lm:2: not a count and a word"},
      {"\\1-grams:\n12345678901234567890 der\n",
       "de.lm:2: not a count and a word"},
      {"\\1-grams:\n12 \n", "de.lm:2: not a count and a word"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    try {
      parse_onboard_unigrams(c.text, "de.lm");
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_THROW(read_onboard_unigrams("/nonexistent/de.lm"), std::runtime_error);
}

TEST(WordCounts, ReadsSubtlexEntriesOfTheRightShape) {
  test::TempDir dir;
  const std::string path = dir.write_file(
      "index.json",
      R"([{"word": "you", "count": 2134713}, {"word": "I", "count": 5},
          {"word": 7, "count": 1}, {"word": "x", "count": -1}, 3,
          {"word": "the", "count": 1501908}])");
  EXPECT_EQ(describe(read_subtlex_counts(path)),
            "you=2134713 I=5 the=1501908 ");
  dir.write_file("index.json", R"({"word": "you"})");
  EXPECT_THROW(read_subtlex_counts(path), std::runtime_error);
  dir.write_file("index.json", "[");
  EXPECT_THROW(read_subtlex_counts(path), std::runtime_error);
}

TEST(WordCounts, ReadsTheInstalledEnglishModel) {
  const std::string path = debian_root(default_world_sources_dir()) +
                           "/usr/share/onboard/models/en_US.lm";
  if (!std::ifstream(path)) GTEST_SKIP() << path << " is not installed";
  const std::vector<WordCount> counts = read_onboard_unigrams(path);
  // "ngram 1=42635" less the four markers.
  EXPECT_EQ(counts.size(), 42631u);
  std::uint64_t the = 0;
  for (const WordCount& c : counts) {
    if (c.word == "the") the = c.count;
  }
  EXPECT_EQ(the, 83800117u);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
