#include "data/on_disk.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <utility>

#include "data/byte_reader.h"
#include "data/framing.h"
#include "data/integrity.h"
#include "tessera/error.h"

namespace tessera {
namespace data {
namespace {

// Texts that do not end inside the window are read in chunks of this many
// bytes until their terminator shows: a system call costs far more than the
// bytes it copies, and a place's line with its translations is long.
constexpr std::size_t kTextChunk = 256;

}  // namespace

OnDisk::OnDisk(const FileSystem& files, const std::string& name)
    : OnDisk(files, name, nullptr) {}

OnDisk::OnDisk(const FileSystem& files, const std::string& name,
               std::shared_ptr<PageCache> cache)
    : name_(name), cache_(std::move(cache)) {
  const std::string path = files.root() + name;
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status;
  if (fd_ < 0 || fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    throw FileError(FileSystem::make_file_error(path));
  }
  // A constructor that throws runs no destructor: the file is closed by
  // hand before the error goes on.
  try {
    std::uint8_t field[kLengthFieldSize];
    const ssize_t got = ::pread(fd_, field, sizeof field, 0);
    if (got != static_cast<ssize_t>(sizeof field)) {
      integrity_failure(name_,
                        "the file is shorter than its 4-byte length field");
    }
    size_ = checked_frame_length(field, name_);
    if (status.st_size < size_) {
      integrity_failure(
          name_, "the file holds only " + std::to_string(status.st_size) +
                     " of the " + std::to_string(size_) + " bytes it declares");
    }
  } catch (...) {
    ::close(fd_);
    fd_ = -1;
    throw;
  }
  if (cache_) cache_file_ = cache_->add_file();
}

OnDisk::OnDisk(OnDisk&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      size_(other.size_),
      name_(std::move(other.name_)),
      cache_(std::move(other.cache_)),
      cache_file_(other.cache_file_) {}

OnDisk& OnDisk::operator=(OnDisk&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
    name_ = std::move(other.name_);
    cache_ = std::move(other.cache_);
    cache_file_ = other.cache_file_;
  }
  return *this;
}

OnDisk::~OnDisk() {
  if (fd_ >= 0) ::close(fd_);
}

void OnDisk::View::seek(std::uint64_t position) {
  if (position > size()) {
    fail("offset " + std::to_string(position) + " lies outside its " +
         std::to_string(size()) + " bytes");
  }
  position_ = static_cast<std::size_t>(position);
}

const std::uint8_t* OnDisk::View::take(std::size_t count, const char* what) {
  checked_end(position_, count, size(), file(), what);
  const std::uint8_t* bytes;
  if (position_ >= window_start_ &&
      position_ - window_start_ <= window_size_ &&
      count <= window_size_ - (position_ - window_start_)) {
    bytes = window_ + (position_ - window_start_);
  } else if (count <= kWindowSize) {
    fill_window(position_, count);
    bytes = window_;
  } else {
    buffer_.resize(count);
    read_at(buffer_.data(), count, position_);
    bytes = buffer_.data();
  }
  position_ += count;
  return bytes;
}

void OnDisk::View::read_bytes(void* out, std::size_t count) {
  checked_end(position_, count, size(), file(), "bytes");
  read_at(out, count, position_);
  position_ += count;
}

std::string_view OnDisk::View::read_text(char terminator) {
  const std::size_t start = position_;
  // Most texts end inside the window that the read before them fetched, or
  // inside a fresh one.
  if ((start < window_start_ || start - window_start_ >= window_size_) &&
      start < size()) {
    fill_window(start, 1);
  }
  if (start >= window_start_ && start - window_start_ < window_size_) {
    const std::uint8_t* from = window_ + (start - window_start_);
    const std::size_t left = window_size_ - (start - window_start_);
    const void* end =
        std::memchr(from, static_cast<unsigned char>(terminator), left);
    if (end != nullptr) {
      const auto length = static_cast<std::size_t>(
          static_cast<const std::uint8_t*>(end) - from);
      position_ = start + length + 1;
      return std::string_view(reinterpret_cast<const char*>(from), length);
    }
  }
  std::size_t scanned = 0;
  buffer_.clear();
  while (true) {
    const std::size_t left = size() - start - scanned;
    if (left == 0) {
      fail("the text at offset " + std::to_string(start) +
           " is not terminated before the end of the data");
    }
    const std::size_t chunk = left < kTextChunk ? left : kTextChunk;
    buffer_.resize(scanned + chunk);
    read_at(buffer_.data() + scanned, chunk, start + scanned);
    const void* end =
        std::memchr(buffer_.data() + scanned,
                    static_cast<unsigned char>(terminator), chunk);
    if (end != nullptr) {
      const auto length = static_cast<std::size_t>(
          static_cast<const std::uint8_t*>(end) - buffer_.data());
      position_ = start + length + 1;
      return std::string_view(reinterpret_cast<const char*>(buffer_.data()),
                              length);
    }
    scanned += chunk;
  }
}

void OnDisk::View::fail(const std::string& detail) const {
  integrity_failure(file(), detail);
}

void OnDisk::View::fill_window(std::size_t offset, std::size_t needed) {
  const std::size_t left = size() - offset;
  const std::size_t wanted = left < kWindowSize ? left : kWindowSize;
  if (source_.cache_) {
    window_size_ = 0;
    read_at(window_, wanted, offset);
    window_start_ = offset;
    window_size_ = wanted;
    return;
  }
  ssize_t got;
  do {
    got = ::pread(source_.fd_, window_, wanted, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  window_start_ = offset;
  if (got >= 0 && static_cast<std::size_t>(got) >= needed) {
    window_size_ = static_cast<std::size_t>(got);
    return;
  }
  // A short read: fetch what is needed the careful way, which also reports
  // a file that ends or fails.
  window_size_ = 0;
  pread_exactly(window_, needed, offset);
  window_size_ = needed;
}

void OnDisk::View::read_at(void* out, std::size_t count,
                           std::size_t offset) const {
  if (!source_.cache_) {
    pread_exactly(out, count, offset);
    return;
  }
  PageCache& cache = *source_.cache_;
  constexpr std::size_t kPage = PageCache::kPageSize;
  auto* bytes = static_cast<std::uint8_t*>(out);
  while (count > 0) {
    const std::size_t page = offset / kPage;
    const std::size_t in_page = offset % kPage;
    const std::size_t piece = count < kPage - in_page ? count : kPage - in_page;
    if (!cache.copy_out(source_.cache_file_, page, in_page, piece, bytes)) {
      // The page as far as L reaches into it.
      const std::size_t page_start = page * kPage;
      const std::size_t page_size =
          size() - page_start < kPage ? size() - page_start : kPage;
      std::uint8_t fetched[kPage];
      pread_exactly(fetched, page_size, page_start);
      cache.store(source_.cache_file_, page, fetched, page_size);
      std::memcpy(bytes, fetched + in_page, piece);
    }
    bytes += piece;
    offset += piece;
    count -= piece;
  }
}

void OnDisk::View::pread_exactly(void* out, std::size_t count,
                                 std::size_t offset) const {
  auto* bytes = static_cast<std::uint8_t*>(out);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = ::pread(source_.fd_, bytes + done, count - done,
                                static_cast<off_t>(offset + done));
    if (got > 0) {
      done += static_cast<std::size_t>(got);
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      fail("the file ends or fails inside the " + std::to_string(count) +
           " bytes at offset " + std::to_string(offset) +
           (got < 0 ? std::string(" (") + std::strerror(errno) + ")" : ""));
    }
  }
}

}  // namespace data
}  // namespace tessera
