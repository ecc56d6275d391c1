// Where the files of one language lie in the data directory.
#ifndef TESSERA_DATA_LANGUAGE_FILES_H_
#define TESSERA_DATA_LANGUAGE_FILES_H_

#include <string>

namespace tessera {
namespace data {

// "languages/" + code + "/" + code + extension, e.g.
// "languages/en/en.wordlist" for ("en", ".wordlist"). `code` must be a
// well-formed language code, so that it cannot name another directory.
inline std::string language_file_name(const std::string& code,
                                      const char* extension) {
  return "languages/" + code + "/" + code + extension;
}

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_LANGUAGE_FILES_H_
