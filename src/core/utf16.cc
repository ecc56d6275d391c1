#include "core/utf16.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tessera {
namespace core {
namespace {

[[noreturn]] void malformed_utf8() {
  throw std::range_error("wstring_convert::from_bytes");
}

// The value of a continuation byte, which must lie in [low, high]; the
// first byte after a lead byte has a narrower range for some leads (this is
// what rules out overlong forms, surrogates and values above U+10FFFF).
std::uint32_t continuation(const std::string& s, std::size_t i,
                           std::uint8_t low, std::uint8_t high) {
  if (i >= s.size()) malformed_utf8();
  const auto byte = static_cast<std::uint8_t>(s[i]);
  if (byte < low || byte > high) malformed_utf8();
  return byte & 0x3Fu;
}

void append_utf16(std::uint32_t code_point, std::u16string* out) {
  if (code_point < 0x10000) {
    out->push_back(static_cast<char16_t>(code_point));
  } else {
    code_point -= 0x10000;
    out->push_back(static_cast<char16_t>(0xD800 + (code_point >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + (code_point & 0x3FF)));
  }
}

}  // namespace

std::u16string to_u16string(const std::string& s) {
  std::u16string out;
  // UTF-16 never needs more code units than UTF-8 has bytes.
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<std::uint8_t>(s[i]);
    std::uint32_t code_point;
    if (lead < 0x80) {
      code_point = lead;
      i += 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      code_point = (lead & 0x1Fu) << 6 | continuation(s, i + 1, 0x80, 0xBF);
      i += 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      const std::uint8_t low = lead == 0xE0 ? 0xA0 : 0x80;
      const std::uint8_t high = lead == 0xED ? 0x9F : 0xBF;
      code_point = (lead & 0x0Fu) << 12 |
                   continuation(s, i + 1, low, high) << 6 |
                   continuation(s, i + 2, 0x80, 0xBF);
      i += 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      const std::uint8_t low = lead == 0xF0 ? 0x90 : 0x80;
      const std::uint8_t high = lead == 0xF4 ? 0x8F : 0xBF;
      code_point = (lead & 0x07u) << 18 |
                   continuation(s, i + 1, low, high) << 12 |
                   continuation(s, i + 2, 0x80, 0xBF) << 6 |
                   continuation(s, i + 3, 0x80, 0xBF);
      i += 4;
    } else {
      // A continuation byte without a lead, C0, C1 or F5 ... FF.
      malformed_utf8();
    }
    append_utf16(code_point, &out);
  }
  return out;
}

std::string to_utf8(const std::u16string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    std::uint32_t code_point = s[i];
    if (code_point >= 0xD800 && code_point <= 0xDFFF) {
      if (code_point > 0xDBFF || i + 1 >= s.size() || s[i + 1] < 0xDC00 ||
          s[i + 1] > 0xDFFF) {
        throw std::range_error("wstring_convert::to_bytes");
      }
      code_point =
          0x10000 + ((code_point - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    }
    if (code_point < 0x80) {
      out.push_back(static_cast<char>(code_point));
    } else if (code_point < 0x800) {
      out.push_back(static_cast<char>(0xC0 | code_point >> 6));
      out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    } else if (code_point < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | code_point >> 12));
      out.push_back(static_cast<char>(0x80 | (code_point >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | code_point >> 18));
      out.push_back(static_cast<char>(0x80 | (code_point >> 12 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code_point >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    }
  }
  return out;
}

}  // namespace core
}  // namespace tessera
