#include "data/integrity.h"

#include "tessera/error.h"

namespace tessera {
namespace datasource {

void integrity_failure(const std::string& detail) {
  throw FileError("Integrity failure (data files corrupted): " + detail + ".");
}

}  // namespace datasource
}  // namespace tessera
