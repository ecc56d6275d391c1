#include "engine/loading.h"

#include <fstream>
#include <iterator>

#include "core/string_checks.h"
#include "data/data_format_version.h"
#include "tessera/error.h"

namespace tessera {
namespace engine {

std::string language_file(const Language& language,
                          const std::string& extension) {
  return "languages/" + language.code + "/" + language.code + extension;
}

void assert_data_path_not_too_long(const std::string& path) {
  core::assert_string_not_too_long(path);
}

void check_data_format_version(const data::FileSystem& files) {
  data::verify_data_format_version(data::read_data_format_version(files));
}

void assert_english_installed(const std::set<Language>& languages) {
  if (languages.count(Language("en")) == 0) {
    FileError::raise("Language pack for English is not found.");
  }
}

std::vector<Language> read_index_languages(const data::FileSystem& files) {
  std::ifstream in = files.open("language_codes.txt");
  const std::string text((std::istreambuf_iterator<char>(in)),
                         std::istreambuf_iterator<char>());
  std::vector<Language> languages;
  std::string::size_type start = 0;
  while (start <= text.size()) {
    std::string::size_type end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) languages.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return languages;
}

std::string read_data_version(const data::FileSystem& files) {
  std::ifstream in = files.open("version.txt");
  std::string version;
  in >> version;
  return version;
}

data::InMemory load_in_memory(const data::FileSystem& files,
                              const std::string& name) {
  std::ifstream in = files.open(name);
  return data::InMemory(in, data::ReadFileLengthFromFile{});
}

}  // namespace engine
}  // namespace tessera
