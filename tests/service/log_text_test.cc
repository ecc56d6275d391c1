#include "service/log_text.h"

#include <string>

#include "gtest/gtest.h"

namespace tessera {
namespace service {
namespace {

TEST(EscapeForLog, EscapesControlBytesAndInvalidUtf8Only) {
  const struct {
    std::string text;
    const char* logged;
  } kCases[] = {
      {"", ""},
      {"Language 'fr' not available.", "Language 'fr' not available."},
      {"a\x1b[31mb", "a\\x1b[31mb"},
      {std::string("x\0y", 3), "x\\x00y"},
      {"\x7f", "\\x7f"},
      {"en\nSend command: x", "en\\x0aSend command: x"},
      {"\t\r\x1f ", "\\x09\\x0d\\x1f "},
      {"a\\x1b", "a\\x1b"},  // a backslash is kept
      // Well-formed UTF-8: é, €, and U+1F600 in four bytes.
      {"caf\xc3\xa9", "caf\xc3\xa9"},
      {"\xe2\x82\xac", "\xe2\x82\xac"},
      {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
      // A lone byte that never starts a sequence, and a stray continuation.
      {"a\xff", "a\\xff"},
      {"\x80z", "\\x80z"},
      // A truncated three-byte sequence, at the end and followed by text.
      {"\xe2\x82", "\\xe2\\x82"},
      {"\xe2\x82x", "\\xe2\\x82x"},
      // Overlong forms, an encoded surrogate, and a code point above
      // U+10FFFF.
      {"\xc0\xaf", "\\xc0\\xaf"},
      {"\xe0\x80\xaf", "\\xe0\\x80\\xaf"},
      {"\xed\xa0\x80", "\\xed\\xa0\\x80"},
      {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
      // C1 controls (U+009B is a one-character CSI), but not U+00A0.
      {"\xc2\x9b[2J", "\\xc2\\x9b[2J"},
      {"\xc2\x85", "\\xc2\\x85"},
      {"\xc2\xa0", "\xc2\xa0"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.logged);
    EXPECT_EQ(escape_for_log(c.text), c.logged);
  }
}

}  // namespace
}  // namespace service
}  // namespace tessera
