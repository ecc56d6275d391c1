#include "data/file_values.h"

#include <cstdio>

#include "data/integrity.h"

namespace tessera {
namespace data {

std::string printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out.push_back(c);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      out += escaped;
    }
  }
  return out;
}

Language language_in_file(const std::string& code, std::string_view file) {
  if (Language::is_valid(code).code != 0) {
    integrity_failure(
        file, "'" + printable(code) + "' is not an ISO 639-1 language code");
  }
  return Language(code);
}

Country country_in_file(const std::string& code, std::string_view file) {
  if (Country::is_valid(code).code != 0) {
    integrity_failure(file, "'" + printable(code) +
                                "' is not an ISO 3166-1 alpha-2 country code");
  }
  return Country(code);
}

}  // namespace data
}  // namespace tessera
