#include "data/data_format_version.h"

#include "data/file_bytes.h"
#include "data/text_files_format.h"
#include "tessera/version.h"

namespace tessera {
namespace data {

std::string read_data_format_version(const FileSystem& file_system) {
  return read_file_bytes(file_system, kDataFormatVersionFileName,
                         kMaxTextFileSize)
      .text();
}

ErrorDescriptor is_data_format_version_valid(const std::string& version) {
  if (version == kExpectedDataFormatVersion) return {0, ""};
  return {2, std::string("Version \"") + kEngineVersion +
                 "\" of the SDK expects tsr-data with data format version \"" +
                 kExpectedDataFormatVersion + "\". Instead, version \"" +
                 version +
                 "\" was supplied. Please contact tessera ltd. for an updated "
                 "data version."};
}

void verify_data_format_version(const std::string& version) {
  assert_error_descriptor(is_data_format_version_valid(version));
}

}  // namespace data
}  // namespace tessera
