// A data file kept open and read on demand with positional reads.
#ifndef TESSERA_DATA_ON_DISK_H_
#define TESSERA_DATA_ON_DISK_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/file_system.h"
#include "data/fixed_width_reads.h"
#include "data/page_cache.h"

namespace tessera {
namespace data {

// An open framed data file. Reads are confined to the first L bytes, the
// length the file declares, so that it yields exactly what an InMemory of
// the same file holds. Without a page cache, every read is a positional
// read (pread) of just the bytes asked for and nothing of the file is held
// in memory; with one, the file is read a page at a time and its pages are
// kept in the cache, within the cache's bound. Views share no file
// position, so any number of threads may read through their own views at
// once. Movable, not copyable; the file stays open for the life of the
// object.
class OnDisk {
 public:
  class View;

  // Opens the framed file `name` of the data directory `files`, reads its
  // length L and checks that the file holds at least L bytes.
  // Throws FileError with FileSystem::make_file_error of the full path when
  // it cannot be opened, as checked_frame_length does for a bad length
  // field, and with an integrity-failure message when the file is shorter
  // than L.
  OnDisk(const FileSystem& files, const std::string& name);
  // As above, reading through `cache` (which may be null: no cache).
  OnDisk(const FileSystem& files, const std::string& name,
         std::shared_ptr<PageCache> cache);

  OnDisk(OnDisk&& other) noexcept;
  OnDisk& operator=(OnDisk&& other) noexcept;
  OnDisk(const OnDisk&) = delete;
  OnDisk& operator=(const OnDisk&) = delete;
  ~OnDisk();

  // L, the number of bytes that views may read.
  std::int32_t size() const noexcept { return size_; }
  // The file's path relative to the data directory, for messages.
  const std::string& name() const noexcept { return name_; }

 private:
  int fd_ = -1;
  std::int32_t size_ = 0;
  std::string name_;
  std::shared_ptr<PageCache> cache_;
  // The file's number in cache_.
  std::uint32_t cache_file_ = 0;
};

// A cursor over an OnDisk, starting at position 0, with the interface of
// ByteReader: every read is checked against L first. A small read fetches
// the next kWindowSize bytes (or up to L) into the view's own window, with
// one pread or from the page cache, and later reads that fall inside the
// window are served from it: a word's number and text, or a place's two
// coordinates, cost at most one system call. A view is meant to live for one query, so it holds no more than its
// window plus the largest text or read it was asked for. Not thread-safe
// itself; each thread uses its own view. The OnDisk must outlive the view
// and must not be moved while it is in use.
class OnDisk::View : public FixedWidthReads<OnDisk::View> {
 public:
  explicit View(const OnDisk& source) noexcept : source_(source) {}
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  std::size_t size() const noexcept {
    return static_cast<std::size_t>(source_.size_);
  }
  std::size_t position() const noexcept { return position_; }
  std::size_t remaining() const noexcept { return size() - position_; }
  std::string_view file() const noexcept { return source_.name_; }

  // Moves to the absolute offset `position`. Throws FileError unless
  // position <= size().
  void seek(std::uint64_t position);

  // Bytes a small read fetches at once.
  static constexpr std::size_t kWindowSize = 128;

  // The next `count` bytes, advancing past them; valid until the next read
  // through this view. Throws FileError when fewer than `count` bytes are
  // left, or when the file cannot deliver them (it shrank, or a read error).
  const std::uint8_t* take(std::size_t count, const char* what = "bytes");

  // Reads the next `count` bytes into `out`. Throws as take does.
  void read_bytes(void* out, std::size_t count);

  // The bytes from the current position up to the first `terminator`, which
  // is consumed and not returned; valid until the next read through this
  // view. Throws FileError when the data ends before a terminator.
  std::string_view read_text(char terminator);

  // Throws FileError with "Integrity failure (data files corrupted): " +
  // file() + ": " + `detail` + ".".
  [[noreturn]] void fail(const std::string& detail) const;

 private:
  // Reads `count` bytes at `offset` into `out`, through the page cache when
  // the file has one; requires the range to lie inside L.
  void read_at(void* out, std::size_t count, std::size_t offset) const;
  // The same, straight from the file.
  void pread_exactly(void* out, std::size_t count, std::size_t offset) const;
  // Fills the window from `offset` with up to kWindowSize bytes inside L, at
  // least `needed` of them. Requires: needed <= kWindowSize and the needed
  // bytes lie inside L.
  void fill_window(std::size_t offset, std::size_t needed);

  const OnDisk& source_;
  std::size_t position_ = 0;
  // window_[0 ... window_size_) holds the file's bytes from window_start_.
  std::uint8_t window_[kWindowSize];
  std::size_t window_start_ = 0;
  std::size_t window_size_ = 0;
  // For reads and texts longer than the window.
  std::vector<std::uint8_t> buffer_;
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_ON_DISK_H_
