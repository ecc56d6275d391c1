#include "data/in_memory.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>

#include "data/framing.h"
#include "data/integrity.h"

namespace tessera {
namespace data {

InMemory InMemory::open(const FileSystem& files, const std::string& name) {
  std::ifstream in = files.open(name);
  return InMemory(in, ReadFileLengthFromFile{}, name);
}

InMemory::InMemory(std::istream& in, ReadFileLengthFromFile, std::string name)
    : name_(std::move(name)) {
  const std::int32_t length = read_length_from_istream_and_reset(in, name_);
  size_ = static_cast<std::size_t>(length);
  bytes_.reset(new std::uint8_t[size_]);
  in.read(reinterpret_cast<char*>(bytes_.get()), length);
  if (in.gcount() != length) {
    integrity_failure(name_, "the file holds only " +
                                 std::to_string(in.gcount()) + " of the " +
                                 std::to_string(length) + " bytes it declares");
  }
}

InMemory::InMemory(std::vector<char> bytes, std::string name)
    : size_(bytes.size()), name_(std::move(name)) {
  if (size_ > static_cast<std::size_t>(kMaxDataFileLength)) {
    integrity_failure(name_, "a data source of " + std::to_string(size_) +
                                 " bytes is larger than the largest data file");
  }
  bytes_.reset(new std::uint8_t[size_]);
  std::copy(bytes.begin(), bytes.end(), bytes_.get());
}

}  // namespace data
}  // namespace tessera
