#ifndef TESSERA_LANGUAGE_H_
#define TESSERA_LANGUAGE_H_

#include <string>

#include "tessera/error_descriptor.h"

namespace tessera {

// An ISO 639-1 language code, one of the 184 codes the engine knows.
class Language {
 public:
  // Throws InvalidArgumentError when `code` is too long, not all lower case,
  // or not a known code.
  explicit Language(const std::string& code);

  // Never throws. Thread-safe.
  static ErrorDescriptor is_valid(const std::string& code);

  operator std::string() const { return code; }

  std::string code;
};

// Byte-wise comparisons of the codes.
bool operator<(const Language& a, const Language& b);
bool operator==(const Language& a, const Language& b);
bool operator!=(const Language& a, const Language& b);

}  // namespace tessera

#endif  // TESSERA_LANGUAGE_H_
