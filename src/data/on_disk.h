// A data file kept open and read on demand, one locked view at a time.
#ifndef TESSERA_DATA_ON_DISK_H_
#define TESSERA_DATA_ON_DISK_H_

#include <cstdint>
#include <fstream>
#include <memory>
#include <mutex>

#include "data/fixed_width_reads.h"

namespace tessera {
namespace data {

// An open framed data file and the mutex that serialises access to it.
// Reads are confined to the first L bytes, the length the file declares, so
// that it yields exactly what an InMemory of the same file holds. Movable,
// not copyable. Thread-safe: all access goes through an OnDisk::View, which
// holds the file's mutex for its whole lifetime.
class OnDisk {
 public:
  class View;

  // Takes over `stream`, a freshly opened file, reads its length L and
  // checks that the file holds at least L bytes.
  // Throws FileError as read_length_from_istream_and_reset does (over-large,
  // negative or short length field), or with an integrity-failure message
  // when the file is shorter than L.
  explicit OnDisk(std::ifstream&& stream);

  OnDisk(OnDisk&&) = default;
  OnDisk& operator=(OnDisk&&) = default;
  OnDisk(const OnDisk&) = delete;
  OnDisk& operator=(const OnDisk&) = delete;

  // L, the number of bytes that views may read.
  std::int32_t size() const noexcept { return size_; }

 private:
  // Guarded by *mutex_; a view changes them through a const OnDisk.
  mutable std::ifstream stream_;
  // The stream's position, or -1 after a failed read until the next seek.
  mutable std::int32_t position_ = 0;
  std::unique_ptr<std::mutex> mutex_;
  std::int32_t size_ = 0;
};

// Locks the OnDisk's mutex from construction to destruction, so that one
// seek-and-read sequence is never interleaved with another thread's. A view
// has no position of its own: it reads at the file's current position, which
// it must set with seek before reading. The OnDisk must outlive the view and
// must not be moved while it is in use. A thread must not hold two views of
// one OnDisk at once.
class OnDisk::View : public FixedWidthReads<OnDisk::View> {
 public:
  explicit View(const OnDisk& source);
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  // Moves the file to the absolute offset `position`. Throws FileError,
  // leaving the position unchanged, unless 0 <= position <= size(), or when
  // the stream cannot seek.
  void seek(std::int64_t position);

  // The current absolute offset, or -1 after a failed read until the next
  // seek.
  std::int32_t position() const noexcept { return source_.position_; }
  std::int32_t size() const noexcept { return source_.size_; }

  // Copies `count` bytes from the current position into `out` and advances
  // past them. Throws FileError, without reading or moving, when `count` is
  // negative or more than size() - position() bytes are asked for, and
  // FileError when the stream fails to deliver them or no seek has followed
  // an earlier failure.
  void read_bytes(void* out, std::int32_t count);

 private:
  const OnDisk& source_;
  std::lock_guard<std::mutex> lock_;
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_ON_DISK_H_
