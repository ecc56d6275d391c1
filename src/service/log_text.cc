#include "service/log_text.h"

#include <cstddef>

namespace tessera {
namespace service {
namespace {

// The length of the well-formed UTF-8 sequence of two or more bytes that
// starts at text[i], or 0 when none starts there.
std::size_t sequence_length(std::string_view text, std::size_t i) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  std::size_t length;
  // The range of the second byte, which rules out overlong forms,
  // surrogates and code points above U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (length > text.size() - i) return 0;
  const unsigned char second = static_cast<unsigned char>(text[i + 1]);
  if (second < low || second > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(text[i + k]);
    if (next < 0x80 || next > 0xBF) return 0;
  }
  return length;
}

void append_escaped(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

}  // namespace

std::string escape_for_log(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      if (byte < 0x20 || byte == 0x7F) {
        append_escaped(out, byte);
      } else {
        out += static_cast<char>(byte);
      }
      ++i;
      continue;
    }
    const std::size_t length = sequence_length(text, i);
    if (length == 0) {
      // Only this byte is bad; what follows is judged on its own.
      append_escaped(out, byte);
      ++i;
      continue;
    }
    // U+0080 to U+009F, encoded C2 80 to C2 9F: some terminals act on them
    // as they do on ESC.
    const bool c1_control =
        byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    for (std::size_t k = 0; k < length; ++k) {
      if (c1_control) {
        append_escaped(out, static_cast<unsigned char>(text[i + k]));
      } else {
        out += text[i + k];
      }
    }
    i += length;
  }
  return out;
}

}  // namespace service
}  // namespace tessera
