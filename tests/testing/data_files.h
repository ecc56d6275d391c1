// Data-file readers' inputs made from bytes the test holds or writes.
#ifndef TESSERA_TESTING_DATA_FILES_H_
#define TESSERA_TESTING_DATA_FILES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "data/on_disk.h"

namespace tessera {
namespace test {

// `bytes` as the whole content of a file named `name`.
data::FileBytes file_bytes(const std::string& bytes,
                           std::string name = "test.data");
data::FileBytes file_bytes(const std::vector<std::uint8_t>& bytes,
                           std::string name = "test.data");

// The framed file at `path`, opened as the device engine opens its files.
data::OnDisk open_on_disk(const std::string& path);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTING_DATA_FILES_H_
