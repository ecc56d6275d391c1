#include "wordlist/jenkins_hash.h"

#include "data/little_endian.h"

namespace tessera {
namespace wordlist {
namespace {

// The golden ratio, an arbitrary value that starts a and b.
constexpr std::uint32_t kGoldenRatio = 0x9E3779B9u;

// Reversibly mixes three 32-bit values so that every input bit affects
// every output bit.
inline void mix(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
  // clang-format off
  a -= b; a -= c; a ^= c >> 13;
  b -= c; b -= a; b ^= a << 8;
  c -= a; c -= b; c ^= b >> 13;
  a -= b; a -= c; a ^= c >> 12;
  b -= c; b -= a; b ^= a << 16;
  c -= a; c -= b; c ^= b >> 5;
  a -= b; a -= c; a ^= c >> 3;
  b -= c; b -= a; b ^= a << 10;
  c -= a; c -= b; c ^= b >> 15;
  // clang-format on
}

// The hash of the bytes produced by `byte_at(0 .. length - 1)`, so that a
// byte string and a UTF-16 string share one body without a copy.
template <typename ByteAt>
std::uint32_t lookup2(ByteAt byte_at, std::uint32_t length,
                      std::uint32_t seed) {
  std::uint32_t a = kGoldenRatio;
  std::uint32_t b = kGoldenRatio;
  std::uint32_t c = seed;
  std::uint32_t pos = 0;
  std::uint32_t remaining = length;
  const auto word = [&byte_at](std::uint32_t at) {
    const std::uint8_t bytes[4] = {byte_at(at), byte_at(at + 1),
                                   byte_at(at + 2), byte_at(at + 3)};
    return data::decode_u32(bytes);
  };
  while (remaining >= 12) {
    a += word(pos);
    b += word(pos + 4);
    c += word(pos + 8);
    mix(a, b, c);
    pos += 12;
    remaining -= 12;
  }
  // The tail of 0 to 11 bytes, padded with zeros to a block. The low byte
  // of c is given to the length, so the third word goes in one byte higher
  // and its fourth byte, always padding, drops out.
  std::uint8_t tail[12] = {};
  for (std::uint32_t i = 0; i < remaining; ++i) tail[i] = byte_at(pos + i);
  a += data::decode_u32(tail);
  b += data::decode_u32(tail + 4);
  c += length + (data::decode_u32(tail + 8) << 8);
  mix(a, b, c);
  return c;
}

}  // namespace

std::uint32_t jenkins_hash(const unsigned char* data, unsigned length,
                           unsigned seed) noexcept {
  return lookup2([data](std::uint32_t i) -> std::uint8_t { return data[i]; },
                 length, seed);
}

std::uint32_t jenkins_hash(const std::string& s, unsigned seed) noexcept {
  return jenkins_hash(reinterpret_cast<const unsigned char*>(s.data()),
                      static_cast<unsigned>(s.size()), seed);
}

std::uint32_t jenkins_hash(const std::u16string& s, unsigned seed) noexcept {
  const char16_t* units = s.data();
  return lookup2(
      [units](std::uint32_t i) -> std::uint8_t {
        return static_cast<std::uint8_t>(units[i / 2] >> (8 * (i % 2)));
      },
      static_cast<std::uint32_t>(2 * s.size()), seed);
}

}  // namespace wordlist
}  // namespace tessera
