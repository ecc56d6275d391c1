// Which languages a data directory lists and which of them it has installed.
#ifndef TESSERA_ENGINE_INSTALLED_LANGUAGES_H_
#define TESSERA_ENGINE_INSTALLED_LANGUAGES_H_

#include <set>
#include <string>
#include <vector>

#include "data/file_system.h"
#include "tessera/language.h"

namespace tessera {
namespace engine {

// Every non-empty line of "language_codes.txt", in file order, installed or
// not: the word index numbers languages by their place in this list. Lines
// end at "\n" only (a "\r" stays part of the code).
//
// Throws FileError when the file cannot be opened, and with an
// integrity-failure message naming it when a line is not a well-formed
// language code.
std::vector<Language> listed_languages(const data::FileSystem& files);

// True when the directory holds the wordlist of the language `code`, the
// file whose presence makes a language installed. Throws
// InvalidArgumentError when `code` is not a well-formed language code.
bool language_directory_exists(const data::FileSystem& files,
                               const std::string& code);

// The listed languages whose wordlist is installed; a code listed twice
// counts once. Throws as listed_languages does.
std::set<Language> get_available_languages_codes(const data::FileSystem& files);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_INSTALLED_LANGUAGES_H_
