#include "data/data_version.h"

#include <sstream>

#include "data/file_bytes.h"
#include "data/text_files_format.h"

namespace tessera {
namespace data {

std::string read_data_version(const FileSystem& files) {
  std::istringstream text(
      read_file_bytes(files, kDataVersionFileName, kMaxTextFileSize).text());
  std::string version;
  text >> version;
  return version;
}

}  // namespace data
}  // namespace tessera
