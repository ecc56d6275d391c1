#include "engine/installed_languages.h"

#include <string_view>

#include "data/file_bytes.h"
#include "data/file_values.h"
#include "data/text_files_format.h"
#include "wordlist/wordlist_format.h"

namespace tessera {
namespace engine {

std::vector<Language> listed_languages(const data::FileSystem& files) {
  const data::FileBytes list = data::read_file_bytes(
      files, data::kLanguageCodesFileName, data::kMaxTextFileSize);
  const std::string text = list.text();
  std::vector<Language> languages;
  std::string::size_type start = 0;
  while (start < text.size()) {
    std::string::size_type end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) {
      languages.push_back(
          data::language_in_file(text.substr(start, end - start), list.name));
    }
    start = end + 1;
  }
  return languages;
}

bool language_directory_exists(const data::FileSystem& files,
                               const std::string& code) {
  // Validates the code before it becomes part of a path.
  const Language language(code);
  return files.exists(wordlist::wordlist_file_name(language.code));
}

std::set<Language> get_available_languages_codes(
    const data::FileSystem& files) {
  std::set<Language> installed;
  for (const Language& language : listed_languages(files)) {
    if (language_directory_exists(files, language.code)) {
      installed.insert(language);
    }
  }
  return installed;
}

}  // namespace engine
}  // namespace tessera
