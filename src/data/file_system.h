// The accessor of the data directory, through which every data file is
// opened.
#ifndef TESSERA_DATA_FILE_SYSTEM_H_
#define TESSERA_DATA_FILE_SYSTEM_H_

#include <fstream>
#include <string>

namespace tessera {
namespace data {

// `path` without one trailing "/", or, when it does not end in "/", without
// one trailing "\"; otherwise unchanged. At most one character is removed.
std::string remove_trailing_slash(const std::string& path);

// A data directory: file names are relative to its root and appended to it
// unchanged. Immutable; safe to share between threads.
class FileSystem {
 public:
  // The root is remove_trailing_slash(path) followed by "/": "" and "/" both
  // give "/", and "dir//" gives "dir//".
  explicit FileSystem(const std::string& path);

  // root() + name opened for binary input. Throws FileError with
  // make_file_error(root() + name) when it cannot be opened.
  std::ifstream open(const std::string& name) const;

  // True when root() + name can be opened for input.
  bool exists(const std::string& name) const;

  // "Missing or invalid file: " + name + ". Please check:\n" followed by the
  // lines "   - The path to the tsr-data directory is correct. \n" and
  // "   - You are using an up-to-date tsr-data version.\n".
  static std::string make_file_error(const std::string& name);

  const std::string& root() const noexcept { return root_; }

 private:
  std::string root_;
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_FILE_SYSTEM_H_
