// The framing shared by every binary data file read through a data source: a
// signed 32-bit little-endian length L at offset 0, counting the whole framed
// file with these 4 bytes included, then the file's own format. Offsets
// inside a data file are absolute, so offset 4 is the first byte after the
// length.
#ifndef TESSERA_DATA_FRAMING_H_
#define TESSERA_DATA_FRAMING_H_

#include <cstdint>
#include <istream>
#include <string_view>

namespace tessera {
namespace data {

// The largest length L a data file may declare, 2^24 bytes.
constexpr std::int32_t kMaxDataFileLength = 16777216;

// Bytes of the length field at the start of every data file.
constexpr std::int32_t kLengthFieldSize = 4;

// The message for a length above kMaxDataFileLength.
inline constexpr char kOverLargeLengthMessage[] =
    "Data file corrupted. First 4 bytes do not supply a length. This may be "
    "due to an over-large file.";

// Returns the length L decoded from the 4 bytes of `field`, after checking
// it: FileError with kOverLargeLengthMessage when L > kMaxDataFileLength, and
// with an integrity-failure message naming `file` when L is below 4
// (negative, or too small to hold its own field).
std::int32_t checked_frame_length(const std::uint8_t (&field)[4],
                                  std::string_view file);

// Reads the length L at the stream's current position (the start of a
// freshly opened file), checks it as checked_frame_length does, and seeks
// the stream back to absolute position 0. Also throws FileError when fewer
// than 4 bytes can be read or the stream cannot seek back. Does not check
// that the file holds L bytes: reading them does.
std::int32_t read_length_from_istream_and_reset(std::istream& in,
                                                std::string_view file);

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_FRAMING_H_
