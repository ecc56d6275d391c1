#include "tessera/error_descriptor.h"

#include "tessera/error.h"

namespace tessera {

void assert_error_descriptor(const ErrorDescriptor& descriptor) {
  switch (descriptor.code) {
    case 1:
      Error::raise(descriptor.message);
    case 2:
      FileError::raise(descriptor.message);
    case 3:
      InvalidArgumentError::raise(descriptor.message);
    case 4:
      LanguageNotAvalableError::raise(descriptor.message);
    default:
      // 0 is success; unknown codes are treated the same way.
      return;
  }
}

}  // namespace tessera
