// Decoding of the little-endian fixed-width values of the data files. Values
// are assembled by shifting bytes, so the result is the same on any host and
// no field needs to be aligned.
#ifndef TESSERA_DATA_LITTLE_ENDIAN_H_
#define TESSERA_DATA_LITTLE_ENDIAN_H_

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace tessera {
namespace data {

inline std::uint16_t decode_u16(const std::uint8_t* p) noexcept {
  return static_cast<std::uint16_t>(std::uint16_t{p[0]} | std::uint16_t{p[1]}
                                                              << 8);
}

inline std::uint32_t decode_u32(const std::uint8_t* p) noexcept {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
         std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

inline std::uint64_t decode_u64(const std::uint8_t* p) noexcept {
  return std::uint64_t{decode_u32(p)} | std::uint64_t{decode_u32(p + 4)} << 32;
}

// The value of type T stored in the sizeof(T) bytes at `p`: any integer type
// of 1, 2, 4 or 8 bytes (signed values in two's complement), or a float or
// double in IEEE 754 binary form.
template <typename T>
T decode_le(const std::uint8_t* p) noexcept {
  static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>,
                "decode_le reads integers and floating-point values");
  static_assert(
      sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8,
      "unsupported width");
  using Bits = std::conditional_t<
      sizeof(T) == 1, std::uint8_t,
      std::conditional_t<
          sizeof(T) == 2, std::uint16_t,
          std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;
  Bits bits;
  if constexpr (sizeof(T) == 1) {
    bits = p[0];
  } else if constexpr (sizeof(T) == 2) {
    bits = decode_u16(p);
  } else if constexpr (sizeof(T) == 4) {
    bits = decode_u32(p);
  } else {
    bits = decode_u64(p);
  }
  // Copying the bits reinterprets them without any implementation-defined
  // conversion: two's complement for signed integers, IEEE 754 for floats.
  T value;
  std::memcpy(&value, &bits, sizeof(T));
  return value;
}

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_LITTLE_ENDIAN_H_
