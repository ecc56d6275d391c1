// A data file loaded into memory once, read through short-lived views.
#ifndef TESSERA_DATA_IN_MEMORY_H_
#define TESSERA_DATA_IN_MEMORY_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "data/byte_reader.h"
#include "data/file_system.h"

namespace tessera {
namespace data {

// Selects the InMemory constructor that takes the length from the file.
struct ReadFileLengthFromFile {};

// The first L bytes of a framed data file, the length field included, so
// that in-memory offsets equal file offsets, and the file's name for the
// messages of its readers. Immutable once built; movable, not copyable. Any
// number of views may read it at once from any threads.
class InMemory {
 public:
  class View;

  // The framed file `name` of the data directory `files`. Throws FileError
  // when it is missing (FileSystem::open), or as the stream constructor
  // below does.
  static InMemory open(const FileSystem& files, const std::string& name);

  // Reads the length L at the start of a freshly opened file, then holds the
  // file's first L bytes. Throws FileError as check_frame_length does
  // (over-large, negative or short length field), or when the file is
  // shorter than L.
  InMemory(std::istream& in, ReadFileLengthFromFile,
           std::string name = "in-memory data");

  // Holds `bytes` as they are (data made in memory rather than read from a
  // file). Throws FileError when there are more than kMaxDataFileLength.
  explicit InMemory(std::vector<char> bytes,
                    std::string name = "in-memory data");

  InMemory(InMemory&&) noexcept = default;
  InMemory& operator=(InMemory&&) noexcept = default;
  InMemory(const InMemory&) = delete;
  InMemory& operator=(const InMemory&) = delete;

  // The number of bytes held: L for a framed file.
  std::int32_t size() const noexcept {
    return static_cast<std::int32_t>(size_);
  }
  const std::uint8_t* data() const noexcept { return bytes_.get(); }
  // The name that messages about the file give: its path relative to the
  // data directory when it was read from one.
  const std::string& name() const noexcept { return name_; }

 private:
  // Left uninitialised until read into: a server engine holds some 25 MB,
  // which need not be cleared first.
  std::unique_ptr<std::uint8_t[]> bytes_;
  std::size_t size_ = 0;
  std::string name_;
};

// A ByteReader over an InMemory, starting at position 0. Holds no lock. The
// InMemory must outlive the view and must not be moved while it is in use.
class InMemory::View : public ByteReader {
 public:
  explicit View(const InMemory& source) noexcept
      : ByteReader(source.data(), source.size_, source.name()) {}
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_IN_MEMORY_H_
