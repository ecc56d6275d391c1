// The data-format version check that every load starts with.
#ifndef TESSERA_DATA_DATA_FORMAT_VERSION_H_
#define TESSERA_DATA_DATA_FORMAT_VERSION_H_

#include <string>

#include "data/file_system.h"
#include "tessera/error_descriptor.h"

namespace tessera {
namespace data {

// The data-format version this engine reads, compared byte for byte.
inline constexpr char kExpectedDataFormatVersion[] = "10";

// The whole content of "data_format_version.txt", unchanged (no trimming).
// Throws FileError when the file cannot be opened or is larger than any
// text file of a data directory (kMaxTextFileSize).
std::string read_data_format_version(const FileSystem& file_system);

// Code 0 with an empty message when `version` is exactly "10"; otherwise code
// 2 with a message naming the engine version, the expected version and
// `version`. Throws nothing but std::bad_alloc.
ErrorDescriptor is_data_format_version_valid(const std::string& version);

// Throws FileError with the message of is_data_format_version_valid when
// `version` is not exactly "10".
void verify_data_format_version(const std::string& version);

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_DATA_FORMAT_VERSION_H_
