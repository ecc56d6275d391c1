#ifndef TESSERA_DATA_PATH_H_
#define TESSERA_DATA_PATH_H_

#include <string>

#include "tessera/error_descriptor.h"

namespace tessera {

// Checks, without loading it, that `path` is a data directory of the format
// this engine reads: code 3 for an over-long path, code 2 naming the first
// missing file or a wrong data-format version, else code 0. Never throws.
ErrorDescriptor is_valid_data_path(const std::string& path) noexcept;

}  // namespace tessera

#endif  // TESSERA_DATA_PATH_H_
