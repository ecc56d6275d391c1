// Whole data files read into memory at load, for the readers that parse a
// file once rather than keep it: the unframed files, the block orders, and
// the text files of the data directory.
#ifndef TESSERA_DATA_FILE_BYTES_H_
#define TESSERA_DATA_FILE_BYTES_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "data/byte_reader.h"
#include "data/file_system.h"

namespace tessera {
namespace data {

// The bytes of one file and the name messages give it (its path relative
// to the data directory).
struct FileBytes {
  std::vector<std::uint8_t> bytes;
  std::string name;

  // A reader over `bytes`; this must outlive it and stay unchanged.
  ByteReader reader() const noexcept {
    return ByteReader(bytes.data(), bytes.size(), name);
  }
  std::string text() const { return std::string(bytes.begin(), bytes.end()); }
};

// Every byte of `in` from its current position to its end. Throws FileError
// naming `name` when there are more than `max_size` (nothing larger is
// read), or when the stream fails other than by ending.
FileBytes read_all(std::istream& in, std::size_t max_size, std::string name);

// The whole file `name` of the data directory `files`. Throws FileError
// when it cannot be opened (FileSystem::open) or as read_all does.
FileBytes read_file_bytes(const FileSystem& files, const std::string& name,
                          std::size_t max_size);

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_FILE_BYTES_H_
