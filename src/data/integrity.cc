#include "data/integrity.h"

#include "tessera/error.h"

namespace tessera {
namespace data {

void integrity_failure(const std::string& detail) {
  throw FileError("Integrity failure (data files corrupted): " + detail + ".");
}

void integrity_failure(std::string_view file, const std::string& detail) {
  integrity_failure(std::string(file) + ": " + detail);
}

}  // namespace data
}  // namespace tessera
