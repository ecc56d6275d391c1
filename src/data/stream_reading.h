// Reading whole texts and runs of little-endian values from a stream.
#ifndef TESSERA_DATA_STREAM_READING_H_
#define TESSERA_DATA_STREAM_READING_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "data/integrity.h"
#include "data/little_endian.h"

namespace tessera {
namespace data {

// The whole remaining content of `in`, byte for byte (line ends kept). An
// empty or unreadable stream gives the empty string.
std::string read_entire_file(std::istream&& in);

// `n` values of the integer type T, read as sizeof(T)-byte little-endian
// values from the current position of `in` (used with T = short for 16-bit
// signed values).
//
// Throws std::length_error when `n` is negative, and FileError with an
// integrity-failure message when the stream ends before n values; a short
// read never yields a partly filled vector.
template <typename T>
std::vector<T> read_vector(std::istream& in, int n) {
  static_assert(std::is_integral_v<T> && !std::is_same_v<T, bool>,
                "read_vector reads integers");
  if (n < 0) throw std::length_error("read_vector: negative count");
  const std::size_t count = static_cast<std::size_t>(n);
  if (count > std::vector<std::uint8_t>().max_size() / sizeof(T)) {
    throw std::length_error("read_vector: count too large");
  }
  std::vector<std::uint8_t> bytes(count * sizeof(T));
  in.read(reinterpret_cast<char*>(bytes.data()),
          static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::size_t>(in.gcount()) != bytes.size()) {
    data::integrity_failure("the stream ends after " +
                            std::to_string(in.gcount()) + " of the " +
                            std::to_string(bytes.size()) + " bytes of " +
                            std::to_string(n) + " values");
  }
  std::vector<T> values(count);
  for (std::size_t i = 0; i < count; ++i) {
    values[i] = data::decode_le<T>(bytes.data() + i * sizeof(T));
  }
  return values;
}

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_STREAM_READING_H_
