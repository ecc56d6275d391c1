#include "mkdata/recipe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "data/file_system.h"
#include "mkdata/data_set.h"
#include "tessera/data_path.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(Recipe, ReadsLanguagesWordSourcesAndExcludedAreas) {
  const Recipe recipe = parse_recipe(R"({
    "version": "small 1",
    "languages": [
      {"code": "en", "words": {"count": 300, "seed": 9},
       "preferred_regions": [2, 0], "related_suffixes": ["s"]},
      {"code": "fr", "listed_only": true},
      {"code": "de", "words": {"count": 10, "file": "de.txt"}}
    ],
    "excluded": [{"sw": [1, 2], "ne": [1.5, 2.5]}]
  })",
                                     "/base");
  EXPECT_EQ(recipe.version, "small 1");
  ASSERT_EQ(recipe.languages.size(), 3u);
  EXPECT_EQ(recipe.languages[0].words.kind, WordSource::Kind::kSynthetic);
  EXPECT_EQ(recipe.languages[0].words.seed, 9u);
  EXPECT_EQ(recipe.languages[0].preferred_regions, (std::vector<int>{2, 0}));
  EXPECT_TRUE(recipe.languages[1].listed_only);
  EXPECT_EQ(recipe.languages[2].words.kind, WordSource::Kind::kFile);
  EXPECT_EQ(recipe.languages[2].words.file, "/base/de.txt");
  ASSERT_EQ(recipe.excluded.size(), 1u);
  EXPECT_EQ(recipe.excluded[0].ne_lng, 2.5);
}

TEST(Recipe, RejectsMalformedRecipesWithTheirFault) {
  const struct {
    const char* json;
    const char* fault;
  } kCases[] = {
      {"{", "malformed JSON"},
      {"[]", "top level"},
      {R"({"languages": []})", "must not be empty"},
      {R"({"languages": [{"words": {"count": 1}}]})", "lacks \"code\""},
      {R"({"languages": [{"code": "en"}]})", "lacks \"words\""},
      {R"({"languages": [{"code": "en", "words": {"count": -1}}]})",
       "non-negative"},
      {R"({"languages": [{"code": "en",
           "words": {"count": 1, "phonology": "klingon"}}]})",
       "phonology"},
      {R"({"languages": [{"code": "en", "words": {"count": 1}}],
           "excluded": [{"sw": [2, 0], "ne": [1, 1]}]})",
       "south-west"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.json);
    try {
      parse_recipe(c.json, ".");
      ADD_FAILURE() << "accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.fault), std::string::npos)
          << e.what();
    }
  }
}

std::string file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Two builds of one recipe write the same files, byte for byte, and a word
// file supplies words in its own order.
TEST(DataSet, SameRecipeGivesTheSameBytes) {
  test::TempDir dir;
  dir.write_file("words.txt",
                 std::string("# best first\nhouse\nHouse\n\ntree\nboat\r\n"));
  const Recipe recipe = parse_recipe(R"({
    "languages": [
      {"code": "en", "words": {"count": 500, "seed": 4}},
      {"code": "nl", "words": {"count": 3, "file": "words.txt"}}
    ],
    "excluded": [{"sw": [1, 2], "ne": [1.01, 2.01]}]
  })",
                                     dir.path());
  build_data_set(recipe, dir.file_path("a"));
  build_data_set(recipe, dir.file_path("b"));

  int files = 0;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(dir.file_path("a"))) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const auto relative =
        std::filesystem::relative(entry.path(), dir.file_path("a"));
    SCOPED_TRACE(relative.string());
    EXPECT_EQ(file_bytes(entry.path()),
              file_bytes(std::filesystem::path(dir.file_path("b")) / relative));
  }
  EXPECT_EQ(files, 19);  // the manifest included
  // "House" normalises like "house" and is skipped.
  EXPECT_NE(file_bytes(dir.file_path("a/languages/nl/nl.wordlist"))
                .find(std::string("boat\0", 5)),
            std::string::npos);
  EXPECT_EQ(is_valid_data_path(dir.file_path("a")).code, 0);
}

TEST(DataSet, RejectsWordFilesWithTooFewWords) {
  test::TempDir dir;
  dir.write_file("words.txt", std::string("one\ntwo\n"));
  const Recipe recipe = parse_recipe(
      R"({"languages": [{"code": "en", "words": {"count": 3, "file": "words.txt"}}]})",
      dir.path());
  EXPECT_THROW(build_data_set(recipe, dir.file_path("out")),
               std::runtime_error);
}

// A language whose words run short takes its fall-back count instead, and
// the words it did not take stay free for later languages.
TEST(DataSet, FallsBackToFewerWordsWhenASourceRunsShort) {
  test::TempDir dir;
  dir.write_file("short.txt", std::string("alpha\nbravo\ncharlie\n"));
  dir.write_file("more.txt", std::string("charlie\ndelta\n"));
  const Recipe recipe = parse_recipe(R"({
    "languages": [
      {"code": "en", "words": {"count": 5, "fallback_count": 2,
                               "file": "short.txt"}},
      {"code": "nl", "words": {"count": 2, "file": "more.txt"}}
    ]
  })",
                                     dir.path());
  build_data_set(recipe, dir.file_path("out"));
  const std::string en =
      file_bytes(dir.file_path("out/languages/en/en.wordlist"));
  const std::string nl =
      file_bytes(dir.file_path("out/languages/nl/nl.wordlist"));
  EXPECT_NE(en.find(std::string("bravo\0", 6)), std::string::npos);
  EXPECT_EQ(en.find("charlie"), std::string::npos);
  EXPECT_NE(nl.find(std::string("charlie\0", 8)), std::string::npos);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
