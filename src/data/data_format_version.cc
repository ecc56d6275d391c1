#include "data/data_format_version.h"

#include "data/stream_reading.h"
#include "tessera/version.h"

namespace tessera {
namespace data {

std::string read_data_format_version(const FileSystem& file_system) {
  return data::read_entire_file(file_system.open("data_format_version.txt"));
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
