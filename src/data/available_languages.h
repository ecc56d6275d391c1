// Which languages a data directory has installed.
#ifndef TESSERA_DATA_AVAILABLE_LANGUAGES_H_
#define TESSERA_DATA_AVAILABLE_LANGUAGES_H_

#include <set>
#include <string>

#include "data/file_system.h"
#include "tessera/language.h"

namespace tessera {
namespace data {

// True when the directory holds "languages/" + code + "/" + code +
// ".wordlist", the file whose presence makes a language installed.
// Throws InvalidArgumentError when `code` is not a well-formed language code.
bool language_directory_exists(const FileSystem& file_system,
                               const std::string& code);

// The installed languages among those listed in "language_codes.txt", one
// code per line. Lines end at "\n" only (a "\r" stays part of the code);
// empty lines are skipped, a code listed twice counts once, and a listed
// language without its wordlist is left out.
//
// Throws FileError when "language_codes.txt" cannot be opened, and
// InvalidArgumentError when a non-empty line is not a well-formed code.
std::set<Language> get_available_languages_codes(const FileSystem& file_system);

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_AVAILABLE_LANGUAGES_H_
