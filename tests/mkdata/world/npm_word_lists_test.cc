#include "mkdata/world/npm_word_lists.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(NpmWordLists, ReadsStopWordsOfALanguage) {
  test::TempDir dir;
  const std::string path = dir.write_file(
      "stopwords-iso.json",
      R"({"en": ["a", "about", 3, "the"], "de": ["aber"], "fr": "x"})");
  EXPECT_EQ(read_stop_words(path, "en"),
            (std::vector<std::string>{"a", "about", "the"}));
  EXPECT_EQ(read_stop_words(path, "pl"), std::vector<std::string>{});
  EXPECT_THROW(read_stop_words(path, "fr"), std::runtime_error);
  dir.write_file("stopwords-iso.json", "[]");
  EXPECT_THROW(read_stop_words(path, "en"), std::runtime_error);
}

TEST(NpmWordLists, ReadsStringArrays) {
  test::TempDir dir;
  const std::string path =
      dir.write_file("en.json", R"(["anal", "ball gag", null, "MILF"])");
  EXPECT_EQ(read_string_array(path),
            (std::vector<std::string>{"anal", "ball gag", "MILF"}));
  dir.write_file("en.json", R"({"a": 1})");
  EXPECT_THROW(read_string_array(path), std::runtime_error);
  EXPECT_THROW(read_string_array(dir.file_path("none.json")),
               std::runtime_error);
}

std::string describe(const std::vector<GermanNoun>& nouns) {
  std::string out;
  for (const GermanNoun& noun : nouns) {
    out += noun.noun + (noun.has_plural ? "+" : "") + ":";
    for (const std::string& form : noun.forms) out += " " + form;
    out += "; ";
  }
  return out;
}

TEST(NpmWordLists, ListsNounsWithTheirFormsAndWhetherTheyHaveAPlural) {
  test::TempDir dir;
  const std::string path = dir.write_file("words.json", R"({
    "Haus": {"NOM": {"SIN": "Haus", "PLU": "Häuser"}, "G": "N",
             "GEN": {"SIN": "Hauses", "PLU": 3}},
    "München": {"NOM": {"SIN": "München"}, "GEN": {"SIN": "Münchens"},
                "G": "N"},
    "Leute": {"NOM": {"PLU": "Leute"}},
    "Odd": 7})");
  EXPECT_EQ(describe(read_german_nouns(path)),
            "Haus+: Haus Häuser Hauses; München: München Münchens; "
            "Leute: Leute; Odd:; ");
  dir.write_file("words.json", "[]");
  EXPECT_THROW(read_german_nouns(path), std::runtime_error);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
