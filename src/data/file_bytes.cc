#include "data/file_bytes.h"

#include <fstream>
#include <utility>

#include "data/integrity.h"

namespace tessera {
namespace data {

FileBytes read_all(std::istream& in, std::size_t max_size, std::string name) {
  FileBytes file{{}, std::move(name)};
  std::vector<std::uint8_t>& bytes = file.bytes;
  const auto too_large = [&file, max_size] {
    integrity_failure(file.name, "the file is larger than the " +
                                     std::to_string(max_size) +
                                     " bytes it may have");
  };
  // Read in chunks, so that a file larger than allowed is never read whole.
  constexpr std::size_t kChunk = 65536;
  while (in) {
    const std::size_t have = bytes.size();
    if (have > max_size) too_large();
    bytes.resize(have + kChunk);
    in.read(reinterpret_cast<char*>(bytes.data() + have), kChunk);
    bytes.resize(have + static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) integrity_failure(file.name, "the file cannot be read");
  if (bytes.size() > max_size) too_large();
  return file;
}

FileBytes read_file_bytes(const FileSystem& files, const std::string& name,
                          std::size_t max_size) {
  std::ifstream in = files.open(name);
  return read_all(in, max_size, name);
}

}  // namespace data
}  // namespace tessera
