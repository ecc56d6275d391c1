#include "mkdata/world/word_case.h"

#include <gtest/gtest.h>

#include <string>

namespace tessera {
namespace mkdata {
namespace {

TEST(WordCase, LowerCasesAnyScriptAndComposes) {
  const struct {
    const char* in;
    const char* out;
  } kCases[] = {
      {"Haus", "haus"},
      {"\xC3\x84pfel", "\xC3\xA4pfel"},  // Äpfel
      {"\xC5\x81\xC3\x93"
       "D\xC5\xB9",
       "\xC5\x82\xC3\xB3"
       "d\xC5\xBA"},  // ŁÓDŹ
      {"STRA\xC3\x9F"
       "E",
       "stra\xC3\x9F"
       "e"},                                        // STRAßE
      {"E\xCC\x81t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},  // Été, decomposed
      {"\xFF", ""},                                 // not UTF-8
      {"", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(lower_case(c.in), c.out);
  }
}

TEST(WordCase, CapitalisedMeansOneCapitalThenLowerCaseLetters) {
  const struct {
    const char* word;
    bool capitalised;
  } kCases[] = {
      {"Haus", true},
      {"\xC3\x84pfel", true},  // Äpfel
      {"Stra\xC3\x9F"
       "e",
       true},
      {"haus", false},
      {"NATO", false},
      {"McDonald", false},
      {"3D-Film", false},
      {"H", false},
      {"Haus-Tür", false},
      {"\xFF"
       "ab",
       false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(is_capitalised_word(c.word), c.capitalised);
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
