// Value types built from what a data file holds. A code that a caller gave
// is the caller's fault (InvalidArgumentError); a code that a file holds is
// the file's damage, reported as such.
#ifndef TESSERA_DATA_FILE_VALUES_H_
#define TESSERA_DATA_FILE_VALUES_H_

#include <string>
#include <string_view>

#include "tessera/country.h"
#include "tessera/language.h"

namespace tessera {
namespace data {

// The Language of `code`, read from `file`. Throws FileError with an
// integrity-failure message naming `file` (control bytes and bytes outside
// ASCII shown as \xNN) unless `code` is a well-formed language code.
Language language_in_file(const std::string& code, std::string_view file);

// The Country of `code`, read from `file`. Throws FileError as
// language_in_file does unless `code` is two upper-case letters.
Country country_in_file(const std::string& code, std::string_view file);

// `text` with every byte outside printable ASCII written as \xNN, for
// messages that quote file contents.
std::string printable(std::string_view text);

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_FILE_VALUES_H_
