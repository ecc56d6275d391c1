#include "core/string_checks.h"

#include <string>

#include "gtest/gtest.h"
#include "tessera/error.h"

namespace tessera {
namespace core {
namespace {

const char kTooLong[] =
    "An extremely long string has been passed as an argument to an SDK "
    "function.";
const char kBadUtf8[] =
    "An invalid UTF-8 string has been passed as an argument to an SDK "
    "function.";

// Boundaries of the well-formed byte sequences of the Unicode Standard
// (Table 3-7).
TEST(StringChecks, Utf8WellFormedness) {
  const struct {
    std::string bytes;
    bool valid;
  } kCases[] = {
      {"", true},
      {std::string("a\0b", 3), true},
      {"\x7f", true},
      {"\xe2\x82\xac", true},  // euro sign
      {"\xc2\x80", true},
      {"\xdf\xbf", true},
      {"\xe0\xa0\x80", true},
      {"\xed\x9f\xbf", true},  // last before the surrogates
      {"\xee\x80\x80", true},
      {"\xef\xbf\xbf", true},
      {"\xf0\x90\x80\x80", true},
      {"\xf4\x8f\xbf\xbf", true},  // U+10FFFF
      {"a\xf3\xbf\xbf\xbfz", true},
      {"\x80", false},              // lone continuation byte
      {"\xc0\x80", false},          // overlong NUL
      {"\xc1\xbf", false},          // overlong
      {"\xe0\x9f\xbf", false},      // overlong
      {"\xed\xa0\x80", false},      // surrogate
      {"\xf0\x8f\xbf\xbf", false},  // overlong
      {"\xf4\x90\x80\x80", false},  // above U+10FFFF
      {"\xf5\x80\x80\x80", false},
      {"\xff", false},
      {"\xe2\x82", false},  // truncated at the end
      {"\xe2\x82z", false},
      {"\xc2\xc0", false},
      {"abc\xc3", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const ErrorDescriptor d = validate_utf8_string(c.bytes);
    EXPECT_EQ(d.code, c.valid ? 0 : 3);
    EXPECT_EQ(d.message, c.valid ? "" : kBadUtf8);
  }
}

TEST(StringChecks, LengthLimit) {
  const std::string longest(262144, 'a');
  const std::string too_long(262145, 'a');
  EXPECT_NO_THROW(assert_string_not_too_long(longest));
  EXPECT_EQ(validate_utf8_string(longest).code, 0);
  try {
    assert_string_not_too_long(too_long);
    ADD_FAILURE() << "did not throw";
  } catch (const InvalidArgumentError& e) {
    EXPECT_STREQ(e.what(), kTooLong);
  }
  // The length is checked before the bytes.
  for (const char fill : {'a', '\xff'}) {
    const ErrorDescriptor d = validate_utf8_string(std::string(262145, fill));
    EXPECT_EQ(d.code, 3);
    EXPECT_EQ(d.message, kTooLong);
  }
}

TEST(StringChecks, ControlCharacters) {
  const struct {
    std::string text;
    bool control;
  } kCases[] = {
      {"", false},
      {"index home raft", false},
      {" ~", false},
      {"\xc3\xa9\x80\xff", false},
      {"a\tb", true},
      {"a\n", true},
      {"\x1f", true},
      {"\x7f", true},
      {std::string("a\0b", 3), true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    EXPECT_EQ(contains_controlchar(c.text), c.control);
  }
}

}  // namespace
}  // namespace core
}  // namespace tessera
