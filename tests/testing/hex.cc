#include "testing/hex.h"

#include <stdexcept>

namespace tessera {
namespace test {

namespace {

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  throw std::invalid_argument(std::string("not a hex digit: ") + c);
}

}  // namespace

std::vector<std::uint8_t> from_hex(const std::string& hex) {
  std::vector<std::uint8_t> bytes;
  int high = -1;
  for (char c : hex) {
    if (c == ' ' || c == '\n') {
      if (high >= 0) throw std::invalid_argument("blank inside a byte");
      continue;
    }
    const int value = digit_value(c);
    if (high < 0) {
      high = value;
    } else {
      bytes.push_back(static_cast<std::uint8_t>(high << 4 | value));
      high = -1;
    }
  }
  if (high >= 0) throw std::invalid_argument("odd number of hex digits");
  return bytes;
}

std::string bytes_from_hex(const std::string& hex) {
  const std::vector<std::uint8_t> bytes = from_hex(hex);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace test
}  // namespace tessera
