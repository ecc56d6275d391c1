// A temporary directory for tests that need files, removed with everything
// in it when the object goes.
#ifndef TESSERA_TESTS_TESTING_TEMP_DIR_H_
#define TESSERA_TESTS_TESTING_TEMP_DIR_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace test {

class TempDir {
 public:
  // Creates a fresh directory under $TMPDIR (or /tmp). Throws
  // std::runtime_error when it cannot.
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory, without a trailing "/".
  const std::string& path() const noexcept { return path_; }

  // path() + "/" + name.
  std::string file_path(const std::string& name) const;

  // Writes `bytes` to the file `name` (relative to path(), "/" separating
  // folders), creating missing folders and replacing an existing file.
  // Returns the file's full path. Throws std::runtime_error on failure.
  std::string write_file(const std::string& name,
                         const std::string& bytes) const;
  std::string write_file(const std::string& name,
                         const std::vector<std::uint8_t>& bytes) const;

  // Removes the file `name` if it exists.
  void remove_file(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TESTING_TEMP_DIR_H_
