// Little-endian serialisation for the data builder's writers.
#ifndef TESSERA_TOOLS_MKDATA_BYTE_WRITER_H_
#define TESSERA_TOOLS_MKDATA_BYTE_WRITER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// Appends fixed-width values, least significant byte first, to a byte
// buffer; the buffer is what a writer hands to write_data_file.
class ByteWriter {
 public:
  void u8(std::uint8_t v) { bytes_.push_back(v); }
  void u16(std::uint16_t v) { put(v, 2); }
  void i16(std::int16_t v) { put(static_cast<std::uint16_t>(v), 2); }
  void u32(std::uint32_t v) { put(v, 4); }
  void i32(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }
  void u64(std::uint64_t v) { put(v, 8); }
  void i64(std::int64_t v) { put(static_cast<std::uint64_t>(v), 8); }
  // The bytes of `s`, without a terminator.
  void text(const std::string& s) {
    bytes_.insert(bytes_.end(), s.begin(), s.end());
  }

  // Overwrites 4 bytes at `offset` (which must already be written), for
  // offsets and lengths known only after later fields.
  void patch_u32(std::size_t offset, std::uint32_t v);

  std::size_t size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t> release() { return std::move(bytes_); }

 private:
  void put(std::uint64_t v, int width) {
    for (int i = 0; i < width; ++i)
      bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }

  std::vector<std::uint8_t> bytes_;
};

// Writes the framed form of a binary data file: a 4-byte length word counting
// the whole file, then `body`. Throws std::length_error when the result
// would exceed the 16 MiB that readers accept.
std::vector<std::uint8_t> frame(const std::vector<std::uint8_t>& body);

// Writes `bytes` to `root`/`relative_name`, creating parent directories.
// Throws std::runtime_error on failure.
void write_data_file(const std::string& root, const std::string& relative_name,
                     const std::vector<std::uint8_t>& bytes);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_BYTE_WRITER_H_
