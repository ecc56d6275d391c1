#include "data_directory.h"

#include <stdlib.h>  // mkdtemp

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "mkdata/data_set.h"
#include "mkdata/recipe.h"
#include "tessera/data_path.h"
#include "tessera/error_descriptor.h"

namespace tessera {
namespace bench {
namespace {

void check_data_path(const std::string& path) {
  const ErrorDescriptor status = is_valid_data_path(path);
  if (status.code != 0) {
    throw std::runtime_error("not a data directory: " + path + ": " +
                             status.message);
  }
}

}  // namespace

DataDirectory::DataDirectory(const std::string& path) : path_(path) {
  if (!path_.empty()) {
    check_data_path(path_);
    return;
  }
  const char* base = std::getenv("TMPDIR");
  std::string pattern =
      std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
      "/tessera-bench-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary directory from " +
                             pattern);
  }
  path_ = pattern;
  temporary_ = true;
  try {
    mkdata::build_data_set(mkdata::fixture_recipe(), path_);
    check_data_path(path_);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    throw;
  }
}

DataDirectory::~DataDirectory() {
  if (!temporary_) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace bench
}  // namespace tessera
