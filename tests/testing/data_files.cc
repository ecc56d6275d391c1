#include "testing/data_files.h"

#include <filesystem>
#include <utility>

namespace tessera {
namespace test {

data::FileBytes file_bytes(const std::string& bytes, std::string name) {
  return {std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
          std::move(name)};
}

data::FileBytes file_bytes(const std::vector<std::uint8_t>& bytes,
                           std::string name) {
  return {bytes, std::move(name)};
}

data::OnDisk open_on_disk(const std::string& path) {
  const std::filesystem::path p(path);
  return data::OnDisk(data::FileSystem(p.parent_path().string()),
                      p.filename().string());
}

}  // namespace test
}  // namespace tessera
