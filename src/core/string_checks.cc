#include "core/string_checks.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "tessera/error.h"

namespace tessera {
namespace core {
namespace {

// Inclusive range of one continuation byte.
struct ByteRange {
  std::uint8_t low;
  std::uint8_t high;
};

constexpr ByteRange kTail = {0x80, 0xBF};

// The continuation ranges that a lead byte asks for, in order. Lead bytes
// without an entry (0x80 to 0xC1, 0xF5 to 0xFF) start no well-formed
// sequence.
struct Sequence {
  std::size_t count;
  ByteRange ranges[3];
};

bool sequence_for_lead(std::uint8_t lead, Sequence* sequence) {
  if (lead >= 0xC2 && lead <= 0xDF) {
    *sequence = {1, {kTail}};
  } else if (lead == 0xE0) {
    *sequence = {2, {{0xA0, 0xBF}, kTail}};
  } else if (lead == 0xED) {
    *sequence = {2, {{0x80, 0x9F}, kTail}};
  } else if (lead >= 0xE1 && lead <= 0xEF) {
    *sequence = {2, {kTail, kTail}};
  } else if (lead == 0xF0) {
    *sequence = {3, {{0x90, 0xBF}, kTail, kTail}};
  } else if (lead >= 0xF1 && lead <= 0xF3) {
    *sequence = {3, {kTail, kTail, kTail}};
  } else if (lead == 0xF4) {
    *sequence = {3, {{0x80, 0x8F}, kTail, kTail}};
  } else {
    return false;
  }
  return true;
}

bool is_well_formed_utf8(const std::string& s) {
  const std::size_t size = s.size();
  std::size_t i = 0;
  while (i < size) {
    const auto lead = static_cast<std::uint8_t>(s[i]);
    ++i;
    if (lead < 0x80) continue;
    Sequence sequence;
    if (!sequence_for_lead(lead, &sequence)) return false;
    if (sequence.count > size - i) return false;
    for (std::size_t k = 0; k < sequence.count; ++k, ++i) {
      const auto byte = static_cast<std::uint8_t>(s[i]);
      if (byte < sequence.ranges[k].low || byte > sequence.ranges[k].high) {
        return false;
      }
    }
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
