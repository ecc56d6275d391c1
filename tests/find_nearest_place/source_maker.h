// Data sources of both kinds made from bytes, for the typed reader tests.
#ifndef TESSERA_TESTS_FIND_NEAREST_PLACE_SOURCE_MAKER_H_
#define TESSERA_TESTS_FIND_NEAREST_PLACE_SOURCE_MAKER_H_

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "testing/data_files.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace test {

// Makes InMemory sources directly and OnDisk sources from files in a
// temporary directory that lives as long as the maker.
class SourceMaker {
 public:
  template <typename Source>
  Source make(const std::string& bytes);

  template <typename Source>
  Source make(const std::vector<std::uint8_t>& bytes) {
    return make<Source>(std::string(bytes.begin(), bytes.end()));
  }

 private:
  TempDir dir_;
  int files_ = 0;
};

template <>
inline data::InMemory SourceMaker::make(const std::string& bytes) {
  return data::InMemory(std::vector<char>(bytes.begin(), bytes.end()));
}

template <>
inline data::OnDisk SourceMaker::make(const std::string& bytes) {
  return test::open_on_disk(
      dir_.write_file(std::to_string(++files_) + ".data", bytes));
}

// `bytes` with its length word set to its own size (when there is room),
// as a file cut short by its writer would have it.
inline std::string with_own_length(std::string bytes) {
  if (bytes.size() >= 4) {
    const auto n = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(n >> (8 * i));
  }
  return bytes;
}

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_FIND_NEAREST_PLACE_SOURCE_MAKER_H_
