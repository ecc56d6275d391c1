#include "data/framing.h"

#include <string>

#include "data/integrity.h"
#include "data/little_endian.h"
#include "tessera/error.h"

namespace tessera {
namespace data {

std::int32_t read_length_from_istream_and_reset(std::istream& in) {
  std::uint8_t field[kLengthFieldSize];
  in.read(reinterpret_cast<char*>(field), kLengthFieldSize);
  if (in.gcount() != kLengthFieldSize) {
    integrity_failure("the file is shorter than its 4-byte length field");
  }
  const std::int32_t length = decode_le<std::int32_t>(field);
  if (length > kMaxDataFileLength) throw FileError(kOverLargeLengthMessage);
  if (length < kLengthFieldSize) {
    integrity_failure("the length field holds " + std::to_string(length) +
                      ", less than the 4 bytes of the field itself");
  }
  in.seekg(0);
  if (!in) integrity_failure("cannot seek back to the start of the file");
  return length;
}

std::vector<char> read_vector_char(std::istream& in, std::int32_t n) {
  if (n < 0 || n > kMaxDataFileLength) {
    integrity_failure("cannot load " + std::to_string(n) +
                      " bytes of a data file");
  }
  std::vector<char> bytes(static_cast<std::size_t>(n));
  in.read(bytes.data(), n);
  if (in.gcount() != n) {
    integrity_failure("the file holds only " + std::to_string(in.gcount()) +
                      " of the " + std::to_string(n) + " bytes to load");
  }
  return bytes;
}

}  // namespace data
}  // namespace tessera
