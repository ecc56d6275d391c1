#include "tessera/country.h"

#include <string>

#include "core/text.h"
#include "tessera/error_descriptor.h"

namespace tessera {

Country::Country(const std::string& code) : code(code) {
  assert_error_descriptor(is_valid(this->code));
}

ErrorDescriptor Country::is_valid(const std::string& code) {
  if (code.size() == 2 && core::is_uppercase_char(code[0]) &&
      core::is_uppercase_char(code[1])) {
    return {0, ""};
  }
  return {3, "'" + code +
                 "' is not in the correct format for an ISO 3166-1 alpha-2 "
                 "country code. ISO 3166-1 alpha-2 country codes should "
                 "contain exactly 2 uppercase characters."};
}

bool operator<(const Country& a, const Country& b) { return a.code < b.code; }

}  // namespace tessera
