#include "core/utf8.h"

#include <cstdint>

namespace tessera {
namespace core {

bool decode_utf8(std::string_view s, std::size_t* i, char32_t* c) noexcept {
  const auto lead = static_cast<std::uint8_t>(s[*i]);
  if (lead < 0x80) {
    *c = lead;
    ++*i;
    return true;
  }
  // The number of continuation bytes, the bits the lead byte contributes,
  // and the range of the first continuation byte, which is narrower for
  // some leads.
  std::size_t count;
  char32_t value;
  std::uint8_t low = 0x80;
  std::uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    count = 1;
    value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    count = 2;
    value = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    count = 3;
    value = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return false;
  }
  if (count > s.size() - *i - 1) return false;
  for (std::size_t k = 1; k <= count; ++k) {
    const auto byte = static_cast<std::uint8_t>(s[*i + k]);
    if (byte < low || byte > high) return false;
    value = value << 6 | (byte & 0x3Fu);
    low = 0x80;
    high = 0xBF;
  }
  *c = value;
  *i += count + 1;
  return true;
}

}  // namespace core
}  // namespace tessera
