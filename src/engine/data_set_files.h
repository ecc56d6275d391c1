// The files of a data directory that the engines read.
#ifndef TESSERA_ENGINE_DATA_SET_FILES_H_
#define TESSERA_ENGINE_DATA_SET_FILES_H_

#include <string>
#include <vector>

namespace tessera {
namespace engine {

// The files every load reads whatever the languages, besides
// "data_format_version.txt", in the order is_valid_data_path checks them.
const std::vector<std::string>& shared_data_files();

// The files an installed language brings besides the wordlist whose
// presence makes it installed, in the order is_valid_data_path checks them.
// Requires: `code` is a well-formed language code.
std::vector<std::string> language_data_files(const std::string& code);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_DATA_SET_FILES_H_
