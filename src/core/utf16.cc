#include "core/utf16.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/utf8.h"

namespace tessera {
namespace core {
namespace {

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
  char32_t code_point;
  while (i < s.size()) {
    if (!decode_utf8(s, &i, &code_point)) {
      throw std::range_error("wstring_convert::from_bytes");
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
