#include "testing/temp_dir.h"

#include <stdlib.h>  // mkdtemp

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace tessera {
namespace test {

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern =
      std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
      "/tessera-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary directory from " +
                             pattern);
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::file_path(const std::string& name) const {
  return path_ + "/" + name;
}

std::string TempDir::write_file(const std::string& name,
                                const std::string& bytes) const {
  const std::filesystem::path file = file_path(name);
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) {
    throw std::runtime_error("cannot create the folders of " + file.string());
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return file.string();
}

std::string TempDir::write_file(const std::string& name,
                                const std::vector<std::uint8_t>& bytes) const {
  return write_file(name, std::string(bytes.begin(), bytes.end()));
}

void TempDir::remove_file(const std::string& name) const {
  std::error_code ignored;
  std::filesystem::remove(file_path(name), ignored);
}

}  // namespace test
}  // namespace tessera
