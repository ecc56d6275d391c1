#include "data/in_memory.h"

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
  bytes_.resize(static_cast<std::size_t>(length));
  in.read(bytes_.data(), length);
  if (in.gcount() != length) {
    integrity_failure(name_, "the file holds only " +
                                 std::to_string(in.gcount()) + " of the " +
                                 std::to_string(length) + " bytes it declares");
  }
}

InMemory::InMemory(std::vector<char> bytes, std::string name)
    : bytes_(std::move(bytes)), name_(std::move(name)) {
  if (bytes_.size() > static_cast<std::size_t>(kMaxDataFileLength)) {
    integrity_failure(name_, "a data source of " +
                                 std::to_string(bytes_.size()) +
                                 " bytes is larger than the largest data file");
  }
}

}  // namespace data
}  // namespace tessera
