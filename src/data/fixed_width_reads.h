// The fixed-width reads that both data-source views offer, built on the
// view's own bounds-checked read_bytes.
#ifndef TESSERA_DATA_FIXED_WIDTH_READS_H_
#define TESSERA_DATA_FIXED_WIDTH_READS_H_

#include <cstdint>

#include "data/little_endian.h"

namespace tessera {
namespace data {

// Mixed into a view as `class View : public FixedWidthReads<View>`. The view
// provides `void read_bytes(void* out, std::int32_t count)`, which copies
// `count` bytes from its current position and advances past them, or throws
// FileError without reading when fewer than `count` bytes are left.
//
// Every read takes sizeof(T) bytes at the current position, decodes them as
// little-endian and advances by that many bytes. Throws FileError, leaving
// the position unchanged, when the value would extend past the end of the
// data.
template <typename Derived>
class FixedWidthReads {
 public:
  template <typename T>
  T read() {
    std::uint8_t bytes[sizeof(T)];
    static_cast<Derived*>(this)->read_bytes(bytes, sizeof(T));
    return decode_le<T>(bytes);
  }

  std::uint8_t read_u8() { return read<std::uint8_t>(); }
  std::int8_t read_i8() { return read<std::int8_t>(); }
  std::uint16_t read_u16() { return read<std::uint16_t>(); }
  std::int16_t read_i16() { return read<std::int16_t>(); }
  std::uint32_t read_u32() { return read<std::uint32_t>(); }
  std::int32_t read_i32() { return read<std::int32_t>(); }
  std::uint64_t read_u64() { return read<std::uint64_t>(); }
  std::int64_t read_i64() { return read<std::int64_t>(); }
  float read_f32() { return read<float>(); }
  double read_f64() { return read<double>(); }
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_FIXED_WIDTH_READS_H_
