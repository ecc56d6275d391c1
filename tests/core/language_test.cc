#include "tessera/language.h"

#include <set>
#include <string>

#include "gtest/gtest.h"
#include "tessera/error.h"

namespace tessera {
namespace {

std::string format_message(const std::string& code) {
  return "'" + code +
         "' is not in the correct format for a ISO 639-1 language code. ISO "
         "639-1 language codes should only contain lowercase characters. ";
}

std::string unknown_message(const std::string& code) {
  return "'" + code + "' is not a ISO 639-1 language code.";
}

TEST(Language, ChecksFormatThenMembership) {
  const std::string too_long =
      "An extremely long string has been passed as an argument to an SDK "
      "function.";
  const struct {
    std::string code;
    std::string message;  // empty when valid
  } kCases[] = {
      {"en", ""},
      {"bh", ""},
      {"zu", ""},
      {"aa", ""},
      {"EN", format_message("EN")},
      {"e1", format_message("e1")},
      {"en\n", format_message("en\n")},
      {"\xc3\xa9", format_message("\xc3\xa9")},
      {"eng", unknown_message("eng")},
      {"xx", unknown_message("xx")},
      {"", "'' is not a ISO 639-1 language code."},
      // Withdrawn or replaced codes.
      {"sh", unknown_message("sh")},
      {"mo", unknown_message("mo")},
      {"iw", unknown_message("iw")},
      {"in", unknown_message("in")},
      {"ji", unknown_message("ji")},
      // The length is checked before the characters.
      {std::string(262145, 'A'), too_long},
      {std::string(262144, 'A'), format_message(std::string(262144, 'A'))},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code.substr(0, 8));
    const ErrorDescriptor d = Language::is_valid(c.code);
    EXPECT_EQ(d.message, c.message);
    if (c.message.empty()) {
      EXPECT_EQ(d.code, 0);
      EXPECT_EQ(Language(c.code).code, c.code);
      continue;
    }
    EXPECT_EQ(d.code, 3);
    try {
      Language language(c.code);
      ADD_FAILURE() << "did not throw";
    } catch (const InvalidArgumentError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

// The engine knows 184 ISO 639-1 codes.
TEST(Language, KnowsExactly184TwoLetterCodes) {
  int accepted = 0;
  for (char a = 'a'; a <= 'z'; ++a) {
    for (char b = 'a'; b <= 'z'; ++b) {
      if (Language::is_valid(std::string{a, b}).code == 0) ++accepted;
    }
  }
  EXPECT_EQ(accepted, 184);
}

TEST(Language, ComparesCodesBytewise) {
  const Language ar("ar");
  const Language de("de");
  EXPECT_TRUE(ar < de);
  EXPECT_FALSE(de < ar);
  EXPECT_FALSE(ar < Language("ar"));
  EXPECT_TRUE(ar == Language("ar"));
  EXPECT_TRUE(ar != de);
  EXPECT_FALSE(ar != Language("ar"));
  EXPECT_EQ(static_cast<std::string>(de), "de");
  const std::set<Language> ordered = {Language("zu"), de, ar};
  EXPECT_EQ(ordered.begin()->code, "ar");
}

}  // namespace
}  // namespace tessera
