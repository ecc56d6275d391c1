#include "core/utf16.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/string_checks.h"
#include "testing/hex.h"

namespace tessera {
namespace core {
namespace {

// Code points at the edges of each UTF-8 length, with their published UTF-8
// and UTF-16 forms.
TEST(Utf16, ConvertsWellFormedText) {
  const struct {
    const char* utf8_hex;
    std::u16string utf16;
  } kCases[] = {
      {"", u""},
      {"41", u"A"},
      {"7F", u"\u007F"},
      {"C2 80", u"\u0080"},
      {"C3 A9", u"\u00E9"},
      {"DF BF", u"\u07FF"},
      {"E0 A0 80", u"\u0800"},
      {"E2 82 AC", u"\u20AC"},
      {"ED 9F BF", u"\uD7FF"},
      {"EE 80 80", u"\uE000"},
      {"EF BF BF", u"\uFFFF"},
      {"F0 90 80 80", {0xD800, 0xDC00}},
      {"F0 9F 98 80", {0xD83D, 0xDE00}},
      {"F4 8F BF BF", {0xDBFF, 0xDFFF}},
      {"61 00 E6 97 A5 F0 A0 80 8B", {0x61, 0x00, 0x65E5, 0xD840, 0xDC0B}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.utf8_hex);
    const std::string utf8 = test::bytes_from_hex(c.utf8_hex);
    EXPECT_EQ(to_u16string(utf8), c.utf16);
    EXPECT_EQ(to_utf8(c.utf16), utf8);
  }
}

TEST(Utf16, RejectsMalformedUtf8) {
  const char* const kCases[] = {
      "80",           // continuation without lead
      "C0 80",        // overlong NUL
      "C1 BF",        // overlong
      "E0 9F BF",     // overlong three-byte form
      "ED A0 80",     // surrogate U+D800
      "ED BF BF",     // surrogate U+DFFF
      "F0 8F BF BF",  // overlong four-byte form
      "F4 90 80 80",  // above U+10FFFF
      "F5 80 80 80",  // lead byte beyond any code point
      "FF",           //
      "E2 82",        // truncated at the end
      "61 C3",        //
      "C3 28",        // continuation replaced by ASCII
      "E2 28 AC",     //
  };
  for (const char* hex : kCases) {
    SCOPED_TRACE(hex);
    try {
      to_u16string(test::bytes_from_hex(hex));
      ADD_FAILURE() << "no exception";
    } catch (const std::range_error& e) {
      EXPECT_STREQ(e.what(), "wstring_convert::from_bytes");
    }
  }
}

// Every two-byte string, and longer strings under the lead bytes whose
// second byte has its own range, with every second byte and continuation
// bytes at the edges: accepted exactly when the independent UTF-8 check
// accepts them.
TEST(Utf16, AgreesWithTheUtf8CheckOnShortStrings) {
  auto agrees = [](const std::string& s) {
    bool converted = true;
    try {
      to_u16string(s);
    } catch (const std::range_error&) {
      converted = false;
    }
    return converted == (validate_utf8_string(s).code == 0);
  };
  const int kEdges[] = {0x7F, 0x80, 0xBF, 0xC0};
  int disagreements = 0;
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      if (!agrees({static_cast<char>(a), static_cast<char>(b)})) {
        ++disagreements;
      }
    }
  }
  for (const int lead : {0xE0, 0xE1, 0xED, 0xEF, 0xF0, 0xF1, 0xF4, 0xF5}) {
    for (int b = 0; b < 256; ++b) {
      for (const int last : kEdges) {
        std::string s{static_cast<char>(lead), static_cast<char>(b)};
        if (lead >= 0xF0) s.push_back('\x80');
        s.push_back(static_cast<char>(last));
        if (!agrees(s)) ++disagreements;
      }
    }
  }
  EXPECT_EQ(disagreements, 0);
}

TEST(Utf16, RejectsUnpairedSurrogates) {
  const std::u16string kCases[] = {
      {0xD800}, {0xDC00}, {0xDC00, 0xD800}, {0x61, 0xD83D, 0x62}};
  for (const auto& s : kCases) {
    SCOPED_TRACE(s.size());
    EXPECT_THROW(to_utf8(s), std::range_error);
  }
}

}  // namespace
}  // namespace core
}  // namespace tessera
