// The one way the engine reads the bytes of a data file held in memory: a
// cursor that checks every read against the bytes it has, decodes
// little-endian values, and reports what is wrong with the file's name.
#ifndef TESSERA_DATA_BYTE_READER_H_
#define TESSERA_DATA_BYTE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/fixed_width_reads.h"

namespace tessera {
namespace data {

// Returns offset + length after checking that `length` bytes starting at
// `offset` lie inside a file of `size` bytes.
//
// Throws FileError with an integrity-failure message naming `file` and
// `what` ("place offsets") otherwise. Cannot overflow, even with a 32-bit
// size_t.
std::size_t checked_end(std::size_t offset, std::size_t length,
                        std::size_t size, std::string_view file,
                        const char* what);

// Returns `count` after checking that `count` entries of `entry_size` bytes
// fit in the `remaining` bytes of `file`. Throws FileError as checked_end
// does. Requires: entry_size > 0.
std::size_t checked_count(std::uint64_t count, std::size_t entry_size,
                          std::size_t remaining, std::string_view file,
                          const char* what);

// A cursor over `size` bytes at `data`, starting at position 0. Every read
// is checked first: a read that would pass the end throws FileError naming
// the file and moves nothing. Values are little-endian and need not be
// aligned (FixedWidthReads). The bytes and `file` must outlive the reader.
// Not thread-safe itself; any number of readers may read the same bytes at
// once.
class ByteReader : public FixedWidthReads<ByteReader> {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size,
             std::string_view file) noexcept
      : data_(data), size_(size), file_(file) {}

  std::size_t size() const noexcept { return size_; }
  std::size_t position() const noexcept { return position_; }
  std::size_t remaining() const noexcept { return size_ - position_; }
  std::string_view file() const noexcept { return file_; }

  // Moves to the absolute offset `position`. Throws FileError unless
  // position <= size().
  void seek(std::uint64_t position);

  // The next `count` bytes, advancing past them. Throws FileError when fewer
  // remain; `what` names them in the message.
  const std::uint8_t* take(std::size_t count, const char* what = "bytes");

  // Copies the next `count` bytes into `out`. Throws as take does.
  void read_bytes(void* out, std::size_t count);

  // The bytes from the current position up to the first `terminator`, which
  // is consumed and not returned; found with one scan of the bytes. Throws
  // FileError when the data ends before a terminator.
  std::string_view read_text(char terminator);

  // Throws FileError unless every byte has been read; `what` names what the
  // bytes should have ended with ("the last record").
  void expect_end(const char* what) const;

  // Throws FileError with "Integrity failure (data files corrupted): " +
  // file() + ": " + `detail` + ".".
  [[noreturn]] void fail(const std::string& detail) const;

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
  std::string_view file_;
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_BYTE_READER_H_
