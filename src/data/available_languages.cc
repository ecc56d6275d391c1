#include "data/available_languages.h"

#include <fstream>

namespace tessera {
namespace data {

namespace {

std::string wordlist_name(const std::string& code) {
  return "languages/" + code + "/" + code + ".wordlist";
}

}  // namespace

bool language_directory_exists(const FileSystem& file_system,
                               const std::string& code) {
  // Validates the code before it becomes part of a path.
  const Language language(code);
  return file_system.exists(wordlist_name(language.code));
}

std::set<Language> get_available_languages_codes(
    const FileSystem& file_system) {
  std::ifstream list = file_system.open("language_codes.txt");
  std::set<Language> languages;
  std::string line;
  while (std::getline(list, line, '\n')) {
    if (line.empty()) continue;
    if (language_directory_exists(file_system, line)) {
      languages.insert(Language(line));
    }
  }
  return languages;
}

}  // namespace data
}  // namespace tessera
