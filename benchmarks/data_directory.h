// The data directory the benchmarks run on: one the caller names, or the
// standard fixture data set built into a temporary directory for the run.
#ifndef TESSERA_BENCHMARKS_DATA_DIRECTORY_H_
#define TESSERA_BENCHMARKS_DATA_DIRECTORY_H_

#include <string>

namespace tessera {
namespace bench {

class DataDirectory {
 public:
  // Uses `path` when it is not empty, after checking that it is a data
  // directory of the format the engine reads. With an empty `path`, builds
  // the fixture data set into a fresh directory under $TMPDIR (or /tmp),
  // which the destructor removes with everything in it.
  //
  // Throws std::runtime_error with the engine's message for a directory the
  // engine cannot read, or when the temporary directory cannot be made, and
  // what the data builder throws.
  explicit DataDirectory(const std::string& path);
  ~DataDirectory();
  DataDirectory(const DataDirectory&) = delete;
  DataDirectory& operator=(const DataDirectory&) = delete;

  const std::string& path() const noexcept { return path_; }
  // True when the directory was built for this run.
  bool is_temporary() const noexcept { return temporary_; }

 private:
  std::string path_;
  bool temporary_ = false;
};

}  // namespace bench
}  // namespace tessera

#endif  // TESSERA_BENCHMARKS_DATA_DIRECTORY_H_
