// A data file loaded into memory once, read through short-lived views.
#ifndef TESSERA_DATA_IN_MEMORY_H_
#define TESSERA_DATA_IN_MEMORY_H_

#include <cstdint>
#include <istream>
#include <vector>

#include "data/fixed_width_reads.h"

namespace tessera {
namespace data {

// Selects the InMemory constructor that takes the length from the file.
struct ReadFileLengthFromFile {};

// The first L bytes of a framed data file, the length field included, so
// that in-memory offsets equal file offsets. Immutable once built; movable,
// not copyable. Any number of views may read it at once from any threads.
class InMemory {
 public:
  class View;

  // Holds `n` bytes read from the stream's current position.
  // Throws FileError when `n` is negative or above kMaxDataFileLength, or
  // when the stream ends before `n` bytes.
  InMemory(std::istream& in, std::int32_t n);

  // Reads the length L at the start of a freshly opened file, then holds the
  // file's first L bytes. Throws FileError as
  // read_length_from_istream_and_reset and read_vector_char do: over-large,
  // negative or short length field, or a file shorter than L.
  InMemory(std::istream& in, ReadFileLengthFromFile);

  // Holds `bytes` as they are (data made in memory rather than read from a
  // file). Throws FileError when there are more than kMaxDataFileLength.
  explicit InMemory(std::vector<char> bytes);

  InMemory(InMemory&&) noexcept = default;
  InMemory& operator=(InMemory&&) noexcept = default;
  InMemory(const InMemory&) = delete;
  InMemory& operator=(const InMemory&) = delete;

  // The number of bytes held: L for a framed file.
  std::int32_t size() const noexcept {
    return static_cast<std::int32_t>(bytes_.size());
  }
  const std::vector<char>& bytes() const noexcept { return bytes_; }

 private:
  std::vector<char> bytes_;
};

// A cursor over an InMemory, starting at position 0. Holds no lock. The
// InMemory must outlive the view and must not be moved while it is in use.
// Not thread-safe itself: each thread uses its own view.
class InMemory::View : public FixedWidthReads<InMemory::View> {
 public:
  explicit View(const InMemory& source) noexcept;

  // Moves to the absolute offset `position`. Throws FileError, leaving the
  // position unchanged, unless 0 <= position <= size().
  void seek(std::int64_t position);

  std::int32_t position() const noexcept { return position_; }
  std::int32_t size() const noexcept { return size_; }

  // Copies `count` bytes from the current position into `out` and advances
  // past them. Throws FileError, without reading or moving, when `count` is
  // negative or more than size() - position() bytes are asked for.
  void read_bytes(void* out, std::int32_t count);

 private:
  const std::uint8_t* data_;
  std::int32_t size_;
  std::int32_t position_ = 0;
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_IN_MEMORY_H_
