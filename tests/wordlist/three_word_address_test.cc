#include "wordlist/three_word_address.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tessera/error.h"
#include "tessera/language.h"

namespace tessera {
namespace wordlist {
namespace {

using Pieces = std::array<std::u16string, 3>;

TEST(ThreeWordAddress, PrintsWithTheIdeographicFullStopOnlyForJapanese) {
  const ThreeWordAddress japanese{Language("ja"),
                                  {"ぴったり", "ねずみ", "たき"}};
  // U+3002 is E3 80 82 in UTF-8.
  EXPECT_EQ(std::string(japanese),
            "ぴったり\xE3\x80\x82ねずみ\xE3\x80\x82たき");
  for (const char* code : {"en", "ko", "zh", "vi", "de"}) {
    SCOPED_TRACE(code);
    const ThreeWordAddress address{Language(code), {"index", "home", "raft"}};
    EXPECT_EQ(std::string(address), "index.home.raft");
  }
}

TEST(ThreeWordAddress, ParsesThreePieces) {
  const struct {
    const char* text;
    Pieces pieces;
  } kCases[] = {
      {"a.b.c", {u"a", u"b", u"c"}},
      // Ideographic full stop and katakana middle dot.
      {"a。b・c", {u"a", u"b", u"c"}},
      {"a..b", {u"a", u"", u"b"}},
      {"..", {u"", u"", u""}},
      {"a.b c.d", {u"a", u"b c", u"d"}},
      {" A.Bé.c ", {u" A", u"Bé", u"c "}},
      // A character outside the Basic Multilingual Plane stays a pair.
      {"\xF0\x9F\x98\x80.b.c", {u"\U0001F600", u"b", u"c"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    const auto parsed = parse_three_words(c.text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, c.pieces);
  }
  EXPECT_EQ(parse_three_words("\xF0\x9F\x98\x80.b.c")->at(0).size(), 2u);
}

TEST(ThreeWordAddress, ParsesOtherShapesAsEmpty) {
  const std::string kCases[] = {
      "",          "a",       "a.b",     "a.b.c.d",
      "a.b.c.",    "a\t.b.c", "a.b.c\n", std::string("a.b\0.c", 6),
      "a.b.c\x7F",
  };
  for (const auto& text : kCases) {
    SCOPED_TRACE(testing::PrintToString(text));
    EXPECT_FALSE(parse_three_words(text).has_value());
  }
}

TEST(ThreeWordAddress, RejectsTooLongTextBeforeAnythingElse) {
  // Long enough by one byte, with two full stops and an invalid byte: the
  // length is what is reported.
  std::string text(262145, 'a');
  text[10] = '.';
  text[20] = '.';
  text[30] = '\xC0';
  try {
    parse_three_words(text);
    ADD_FAILURE() << "no exception";
  } catch (const InvalidArgumentError& e) {
    EXPECT_STREQ(e.what(),
                 "An extremely long string has been passed as an argument to "
                 "an SDK function.");
  }
  text.resize(262144);
  text[30] = 'a';
  // 262,144 bytes pass.
  const auto parsed = parse_three_words(text);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->at(2).size(), 262144u - 21u);
}

TEST(ThreeWordAddress, RejectsInvalidUtf8) {
  for (const char* text : {"\xC0", "a.b.\xC0", "a.\xED\xA0\x80.c"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(text)));
    try {
      parse_three_words(text);
      ADD_FAILURE() << "no exception";
    } catch (const InvalidArgumentError& e) {
      EXPECT_STREQ(e.what(),
                   "An invalid UTF-8 string has been passed as an argument to "
                   "an SDK function.");
    }
  }
}

}  // namespace
}  // namespace wordlist
}  // namespace tessera
