// The fixed-width reads that every reader of data bytes offers, built on its
// own bounds-checked `take`.
#ifndef TESSERA_DATA_FIXED_WIDTH_READS_H_
#define TESSERA_DATA_FIXED_WIDTH_READS_H_

#include <cstddef>
#include <cstdint>

#include "data/little_endian.h"

namespace tessera {
namespace data {

// Mixed into a reader as `class R : public FixedWidthReads<R>`. The reader
// provides `const std::uint8_t* take(std::size_t count, const char* what)`,
// which returns the next `count` bytes and advances past them, or throws
// FileError without moving when fewer than `count` bytes are left.
//
// Every read takes sizeof(T) bytes at the current position and decodes
// them as little-endian (decode_le). Throws FileError, leaving the position
// unchanged, when the value would extend past the end of the data.
template <typename Derived>
class FixedWidthReads {
 public:
  template <typename T>
  T read() {
    return decode_le<T>(static_cast<Derived*>(this)->take(sizeof(T), "value"));
  }

  std::uint8_t read_u8() { return read<std::uint8_t>(); }
  std::int8_t read_i8() { return read<std::int8_t>(); }
  std::uint16_t read_u16() { return read<std::uint16_t>(); }
  std::int16_t read_i16() { return read<std::int16_t>(); }
  std::uint32_t read_u32() { return read<std::uint32_t>(); }
  std::int32_t read_i32() { return read<std::int32_t>(); }
  std::uint64_t read_u64() { return read<std::uint64_t>(); }
  std::int64_t read_i64() { return read<std::int64_t>(); }
  double read_f64() { return read<double>(); }
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_FIXED_WIDTH_READS_H_
