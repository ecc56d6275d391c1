#include "core/string_checks.h"

#include <cstddef>
#include <string>

#include "core/utf8.h"
#include "tessera/error.h"

namespace tessera {
namespace core {
namespace {

bool is_well_formed_utf8(const std::string& s) {
  std::size_t i = 0;
  char32_t c;
  while (i < s.size()) {
    if (!decode_utf8(s, &i, &c)) return false;
  }
  return true;
}

}  // namespace

void assert_string_not_too_long(const std::string& s) {
  if (s.size() > kMaxStringLength) {
    InvalidArgumentError::raise(kStringTooLongMessage);
  }
}

ErrorDescriptor validate_utf8_string(const std::string& s) {
  if (s.size() > kMaxStringLength) return {3, kStringTooLongMessage};
  if (!is_well_formed_utf8(s)) return {3, kInvalidUtf8Message};
  return {0, ""};
}

bool contains_controlchar(const std::string& s) noexcept {
  for (const char c : s) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

}  // namespace core
}  // namespace tessera
