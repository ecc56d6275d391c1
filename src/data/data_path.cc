#include "tessera/data_path.h"

#include <exception>
#include <set>
#include <string>

#include "core/string_checks.h"
#include "data/available_languages.h"
#include "data/data_format_version.h"
#include "data/file_system.h"
#include "tessera/error.h"
#include "tessera/language.h"

namespace tessera {

namespace {

// The language-independent files, in the order they are checked.
constexpr const char* kRequiredFiles[] = {
    "language_codes.txt",
    "attractiveness/blocks.data",
    "excluded/excluded_small_rectangles.data",
    "excluded/excluded_large_strips.data",
    "normalisation/ntable.data",
    "index/wordlist_index.data",
    "nearest_place_finder/places.data",
    "nearest_place_finder/kdtree.data",
    "nearest_place_finder/syntax.data",
    "countries/countries.data",
    "version.txt",
};

ErrorDescriptor missing_file(const std::string& name) {
  return {2, data::FileSystem::make_file_error(name)};
}

ErrorDescriptor check_data_path(const std::string& path) {
  if (path.size() > core::kMaxStringLength) {
    return {3, core::kStringTooLongMessage};
  }
  const data::FileSystem file_system(path);

  if (!file_system.exists("data_format_version.txt")) {
    return missing_file("data_format_version.txt");
  }
  ErrorDescriptor version = data::is_data_format_version_valid(
      data::read_data_format_version(file_system));
  if (version.code != 0) return version;

  for (const char* name : kRequiredFiles) {
    if (!file_system.exists(name)) return missing_file(name);
  }

  std::set<Language> languages;
  try {
    languages = data::get_available_languages_codes(file_system);
  } catch (const InvalidArgumentError&) {
    // A line of the language list that is not a well-formed code makes the
    // list itself invalid: it is reported like a missing list, as a file
    // error naming "language_codes.txt", so that this check never throws.
    return missing_file("language_codes.txt");
  }
  for (const Language& language : languages) {
    const std::string directory =
        "languages/" + language.code + "/" + language.code;
    for (const char* extension : {".block_order", ".autosuggest"}) {
      if (!file_system.exists(directory + extension)) {
        return missing_file(directory + extension);
      }
    }
  }
  return {0, ""};
}

}  // namespace

ErrorDescriptor is_valid_data_path(const std::string& path) noexcept {
  // Files can vanish between the checks above and the reads that follow
  // them: any failure still becomes a descriptor, with the code of its error
  // type (2 for a file error, 1 for any other).
  try {
    return check_data_path(path);
  } catch (const FileError& error) {
    return {2, error.what()};
  } catch (const std::exception& error) {
    return {1, error.what()};
  } catch (...) {
    return {1, "Unknown error while checking the data directory."};
  }
}

}  // namespace tessera
