#include "data/integrity.h"

#include "tessera/error.h"

namespace tessera {
namespace data {

void integrity_failure(const std::string& detail) {
  throw FileError("Integrity failure (data files corrupted): " + detail + ".");
}

}  // namespace data
}  // namespace tessera
