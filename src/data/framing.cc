#include "data/framing.h"

#include <string>

#include "data/integrity.h"
#include "data/little_endian.h"
#include "tessera/error.h"

namespace tessera {
namespace data {

std::int32_t checked_frame_length(const std::uint8_t (&field)[4],
                                  std::string_view file) {
  const std::int32_t length = decode_le<std::int32_t>(field);
  if (length > kMaxDataFileLength) throw FileError(kOverLargeLengthMessage);
  if (length < kLengthFieldSize) {
    integrity_failure(file, "the length field holds " + std::to_string(length) +
                                ", less than the 4 bytes of the field itself");
  }
  return length;
}

std::int32_t read_length_from_istream_and_reset(std::istream& in,
                                                std::string_view file) {
  std::uint8_t field[kLengthFieldSize];
  in.read(reinterpret_cast<char*>(field), kLengthFieldSize);
  if (in.gcount() != kLengthFieldSize) {
    integrity_failure(file, "the file is shorter than its 4-byte length field");
  }
  const std::int32_t length = checked_frame_length(field, file);
  in.seekg(0);
  if (!in) integrity_failure(file, "cannot seek back to the start of the file");
  return length;
}

}  // namespace data
}  // namespace tessera
