#ifndef TESSERA_COUNTRY_H_
#define TESSERA_COUNTRY_H_

#include <string>

#include "tessera/error_descriptor.h"

namespace tessera {

// An ISO 3166-1 alpha-2 country code: exactly two upper-case letters ("ZZ"
// stands for no country). Not looked up in any list of real countries.
class Country {
 public:
  // Throws InvalidArgumentError unless `code` is two upper-case letters.
  explicit Country(const std::string& code);

  static ErrorDescriptor is_valid(const std::string& code);

  std::string code;
};

bool operator<(const Country& a, const Country& b);

}  // namespace tessera

#endif  // TESSERA_COUNTRY_H_
