// The data version of a data directory, which data_version() reports.
#ifndef TESSERA_DATA_DATA_VERSION_H_
#define TESSERA_DATA_DATA_VERSION_H_

#include <string>

#include "data/file_system.h"

namespace tessera {
namespace data {

// The first whitespace-delimited word of "version.txt" (empty when there is
// none). Throws FileError when the file cannot be opened or is larger than
// kMaxTextFileSize.
std::string read_data_version(const FileSystem& files);

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_DATA_VERSION_H_
