#include "data/file_system.h"

#include "tessera/error.h"

namespace tessera {
namespace data {

std::string remove_trailing_slash(const std::string& path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) {
    return path.substr(0, path.size() - 1);
  }
  return path;
}

FileSystem::FileSystem(const std::string& path)
    : root_(remove_trailing_slash(path) + "/") {}

std::ifstream FileSystem::open(const std::string& name) const {
  const std::string full_name = root_ + name;
  std::ifstream stream(full_name, std::ios::in | std::ios::binary);
  if (!stream.good()) throw FileError(make_file_error(full_name));
  return stream;
}

bool FileSystem::exists(const std::string& name) const {
  std::ifstream stream(root_ + name);
  return stream.good();
}

std::string FileSystem::make_file_error(const std::string& name) {
  return "Missing or invalid file: " + name +
         ". Please check:\n"
         "   - The path to the tsr-data directory is correct. \n"
         "   - You are using an up-to-date tsr-data version.\n";
}

}  // namespace data
}  // namespace tessera
