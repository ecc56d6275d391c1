// GNU gettext message catalogs (".mo" files), the form in which Debian's
// libgeonames ships the GeoNames names of places, regions and countries in
// each language: the message is a GeoNames id ("2867714"), a country code
// ("DE") or a region code ("DE.02"), its translation the name ("München",
// "Deutschland", "Bayern").
#ifndef TESSERA_TOOLS_MKDATA_WORLD_GETTEXT_CATALOG_H_
#define TESSERA_TOOLS_MKDATA_WORLD_GETTEXT_CATALOG_H_

#include <string>
#include <string_view>
#include <unordered_map>

namespace tessera {
namespace mkdata {

// Translations by message.
using GettextCatalog = std::unordered_map<std::string, std::string>;

// The messages and translations of the catalog `bytes`, in either byte
// order. The header entry (the empty message) is left out; of a plural
// entry only the singular message and the first form are kept; a message
// listed twice keeps its first translation. The texts are taken as they
// are (libgeonames writes UTF-8).
//
// Throws std::runtime_error naming `file` when the magic number is wrong or
// a table or string lies outside the bytes or lacks its terminating NUL.
GettextCatalog parse_gettext_catalog(std::string_view bytes,
                                     const std::string& file);

// The same from the file at `path`; also throws std::runtime_error when it
// cannot be read.
GettextCatalog read_gettext_catalog(const std::string& path);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_GETTEXT_CATALOG_H_
