// The one way a reader reports a corrupt data file.
#ifndef TESSERA_DATA_INTEGRITY_H_
#define TESSERA_DATA_INTEGRITY_H_

#include <string>
#include <string_view>

namespace tessera {
namespace data {

// Throws FileError with "Integrity failure (data files corrupted): " +
// `detail` + ".". `detail` says what is wrong and where, without a final
// full stop ("the length field holds -5"). Never returns.
[[noreturn]] void integrity_failure(const std::string& detail);

// As above with `file` + ": " in front of `detail`, for messages about one
// named file ("index/wordlist_index.data: slot 7 holds language 9").
[[noreturn]] void integrity_failure(std::string_view file,
                                    const std::string& detail);

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_INTEGRITY_H_
