// Steps that both engine loaders take in the same way.
#ifndef TESSERA_ENGINE_LOADING_H_
#define TESSERA_ENGINE_LOADING_H_

#include <set>
#include <string>
#include <vector>

#include "data/file_system.h"
#include "data/in_memory.h"
#include "tessera/language.h"

namespace tessera {
namespace engine {

// "languages/<code>/<code><extension>", e.g. ".wordlist".
std::string language_file(const Language& language,
                          const std::string& extension);

// Throws InvalidArgumentError with the long-string message when `path` is
// longer than the engine accepts from a caller; touches no file.
void assert_data_path_not_too_long(const std::string& path);

// Reads "data_format_version.txt" and throws FileError unless it holds the
// version this engine reads.
void check_data_format_version(const data::FileSystem& files);

// Throws FileError ("Language pack for English is not found.") unless "en"
// is among `languages`.
void assert_english_installed(const std::set<Language>& languages);

// Every non-empty line of "language_codes.txt" in file order, installed or
// not: the word index numbers languages by their place in this list.
// Throws FileError when the file is missing, InvalidArgumentError for a
// line that is not a language code.
std::vector<Language> read_index_languages(const data::FileSystem& files);

// The first whitespace-delimited word of "version.txt" (empty when there is
// none). Throws FileError when the file is missing.
std::string read_data_version(const data::FileSystem& files);

// A framed data file read whole into memory. Throws FileError when it is
// missing, shorter than its frame, or framed wrongly.
data::InMemory load_in_memory(const data::FileSystem& files,
                              const std::string& name);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_LOADING_H_
