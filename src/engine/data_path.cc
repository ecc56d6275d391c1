#include "tessera/data_path.h"

#include <exception>
#include <set>
#include <string>

#include "core/string_checks.h"
#include "data/data_format_version.h"
#include "data/file_system.h"
#include "data/text_files_format.h"
#include "engine/data_set_files.h"
#include "engine/installed_languages.h"
#include "tessera/error.h"
#include "tessera/language.h"

namespace tessera {

namespace {

ErrorDescriptor missing_file(const std::string& name) {
  return {2, data::FileSystem::make_file_error(name)};
}

ErrorDescriptor check_data_path(const std::string& path) {
  if (path.size() > core::kMaxStringLength) {
    return {3, core::kStringTooLongMessage};
  }
  const data::FileSystem file_system(path);

  if (!file_system.exists(data::kDataFormatVersionFileName)) {
    return missing_file(data::kDataFormatVersionFileName);
  }
  ErrorDescriptor version = data::is_data_format_version_valid(
      data::read_data_format_version(file_system));
  if (version.code != 0) return version;

  for (const std::string& name : engine::shared_data_files()) {
    if (!file_system.exists(name)) return missing_file(name);
  }
  // A line of the language list that is not a well-formed code is damage
  // to the list: a FileError naming it, turned into a descriptor below.
  for (const Language& language :
       engine::get_available_languages_codes(file_system)) {
    for (const std::string& name : engine::language_data_files(language.code)) {
      if (!file_system.exists(name)) return missing_file(name);
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
