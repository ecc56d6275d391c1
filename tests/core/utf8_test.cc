#include "core/utf8.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <unordered_map>

namespace tessera {
namespace core {
namespace {

// The shortest UTF-8 encoding of a scalar value, written from the
// definition rather than from the decoder's ranges.
std::string encode(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// Every string of one to three bytes (those of three starting with a lead
// byte, C0 to FF): the decoder reads exactly the one scalar value whose
// encoding starts the string, or fails when none does. UTF-8 is a prefix
// code, so there is at most one.
TEST(Utf8, ReadsExactlyTheEncodingsOfScalarValues) {
  std::unordered_map<std::string, char32_t> encodings;
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c < 0xD800 || c > 0xDFFF) encodings.emplace(encode(c), c);
  }
  const auto check = [&encodings](const std::string& bytes) {
    std::size_t expected_length = 0;
    char32_t expected = 0;
    for (std::size_t k = 1; k <= bytes.size(); ++k) {
      const auto found = encodings.find(bytes.substr(0, k));
      if (found != encodings.end()) {
        expected_length = k;
        expected = found->second;
      }
    }
    std::size_t i = 0;
    char32_t c = 0;
    const bool decoded = decode_utf8(bytes, &i, &c);
    ASSERT_EQ(decoded, expected_length != 0) << testing::PrintToString(bytes);
    if (decoded) {
      EXPECT_EQ(i, expected_length);
      EXPECT_EQ(c, expected);
    }
  };
  for (std::uint32_t n = 0; n < 0x100; ++n) {
    check(std::string(1, static_cast<char>(n)));
  }
  for (std::uint32_t n = 0; n < 0x10000; ++n) {
    check({static_cast<char>(n >> 8), static_cast<char>(n)});
  }
  for (std::uint32_t n = 0xC00000; n < 0x1000000; ++n) {
    check({static_cast<char>(n >> 16), static_cast<char>(n >> 8),
           static_cast<char>(n)});
  }
}

TEST(Utf8, FourByteSequencesAtTheirBoundaries) {
  const struct {
    const char* bytes;
    bool valid;
  } kCases[] = {
      {"\xF0\x90\x80\x80", true},  {"\xF0\x8F\xBF\xBF", false},
      {"\xF4\x8F\xBF\xBF", true},  {"\xF4\x90\x80\x80", false},
      {"\xF5\x80\x80\x80", false}, {"\xF0\x9F\x98\x80", true},
      {"\xF0\x9F\x98", false},
  };
  for (const auto& c : kCases) {
    const std::string bytes(c.bytes);
    std::size_t i = 0;
    char32_t value;
    EXPECT_EQ(decode_utf8(bytes, &i, &value) && i == bytes.size(), c.valid)
        << bytes;
  }
}

}  // namespace
}  // namespace core
}  // namespace tessera
