// Country names per language from the i18n-iso-countries language files,
// reduced to the one name a place phrase prints.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_COUNTRY_NAMES_H_
#define TESSERA_TOOLS_MKDATA_WORLD_COUNTRY_NAMES_H_

#include <rapidjson/document.h>

#include <map>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// The name to print for a country listed under `names`, the official form
// first as the language files list them: the name of fewest words
// (space-separated), leaving out abbreviations (names without a lower-case
// ASCII letter, such as "UK" or "U.S.A.") unless every name is one; the
// earlier name on a tie. So ["United States of America", "United States",
// "USA"] gives "United States" and ["United Kingdom", "UK", "Great
// Britain"] gives "United Kingdom". "" when `names` is empty.
std::string usual_country_name(const std::vector<std::string>& names);

// The country names of one language file, by ISO 3166 alpha-2 code, from
// its parsed `document`: {"locale": ..., "countries": {"FR": "France", "NL":
// ["Koninkrijk der Nederlanden", "Nederland"], ...}}, an array reduced by
// usual_country_name. Entries that are neither a string nor an array of
// strings, are empty, or hold a TAB or line feed are left out.
//
// Throws std::runtime_error naming `file` when the document is not an
// object with a "countries" object.
std::map<std::string, std::string> country_names_from_json(
    const rapidjson::Value& document, const std::string& file);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_COUNTRY_NAMES_H_
