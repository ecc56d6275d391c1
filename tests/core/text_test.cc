#include "core/text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessera {
namespace core {
namespace {

using ::testing::ElementsAre;

TEST(Text, SplitKeepsEveryPiece) {
  const struct {
    std::string text;
    std::vector<std::string> pieces;
  } kCases[] = {
      {"", {""}},      {"abc", {"abc"}},       {"a,b,", {"a", "b", ""}},
      {",", {"", ""}}, {",,a", {"", "", "a"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(split(c.text, ','), c.pieces);
  }
}

TEST(Text, SplitsUtf16AtOneCodeUnit) {
  EXPECT_THAT(split(std::u16string(u"日本\u3001語\u3001"), u'\u3001'),
              ElementsAre(u"日本", u"語", u""));
  // Surrogate pairs are left whole unless the delimiter is one half.
  EXPECT_THAT(split(std::u16string(u"\U0001F600 a"), u' '),
              ElementsAre(u"\U0001F600", u"a"));
}

TEST(Text, SplitsOnEachOfTheTwelveFullStops) {
  const char16_t kFullStops[] = {0x002E, 0x30FB, 0x3002, 0x0964,
                                 0x06D4, 0x1362, 0x0589, 0x104B,
                                 0x17D4, 0xFF65, 0xFF61, 0xFE12};
  for (const char16_t stop : kFullStops) {
    SCOPED_TRACE(static_cast<int>(stop));
    EXPECT_TRUE(is_full_stop(stop));
    EXPECT_THAT(split_on_dots(std::u16string(u"ab") + stop + u"c"),
                ElementsAre(u"ab", u"c"));
  }
}

// Dot-like characters outside the set, among them the fullwidth full stop.
TEST(Text, DoesNotSplitOnOtherDots) {
  const char16_t kOthers[] = {0x00B7, 0xFF0E, 0x2024, 0x0701, 0x2E3C,
                              0x002C, 0x3001, 0xFE52, 0x0000};
  for (const char16_t other : kOthers) {
    SCOPED_TRACE(static_cast<int>(other));
    EXPECT_FALSE(is_full_stop(other));
    const std::u16string text = std::u16string(u"a") + other + u"b";
    EXPECT_THAT(split_on_dots(text), ElementsAre(text));
  }
}

TEST(Text, SplitOnDotsGivesOneMorePieceThanStops) {
  EXPECT_THAT(split_on_dots(u""), ElementsAre(u""));
  EXPECT_THAT(split_on_dots(u"a..b"), ElementsAre(u"a", u"", u"b"));
  EXPECT_THAT(split_on_dots(u"a.b."), ElementsAre(u"a", u"b", u""));
  EXPECT_THAT(split_on_dots(u"。a・b"), ElementsAre(u"", u"a", u"b"));
}

TEST(Text, ContainsWhitespaceOnlyForTheSixCLocaleBytes) {
  for (const char* s : {" ", "a\tb", "a\n", "\v", "x\f", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(s)));
    EXPECT_TRUE(contains_whitespace(s));
  }
  // No-break space (C2 A0), next line (C2 85) and the separators 1C to 1F are
  // not whitespace in the C locale.
  for (const char* s : {"", "abc", "\xC2\xA0", "\xC2\x85", "\x1C\x1D\x1E\x1F",
                        "\xE3\x80\x80"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(s)));
    EXPECT_FALSE(contains_whitespace(s));
  }
}

TEST(Text, UppercaseIsAsciiOnly) {
  EXPECT_TRUE(is_uppercase_char('A'));
  EXPECT_TRUE(is_uppercase_char('Z'));
  EXPECT_FALSE(is_uppercase_char('@'));
  EXPECT_FALSE(is_uppercase_char('['));
  EXPECT_FALSE(is_uppercase_char('a'));
  EXPECT_FALSE(is_uppercase_char('\xc9'));  // É in Latin-1
}

}  // namespace
}  // namespace core
}  // namespace tessera
