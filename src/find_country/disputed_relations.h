// Decoding and checking of the disputed-area lines of the country file.
#ifndef TESSERA_FIND_COUNTRY_DISPUTED_RELATIONS_H_
#define TESSERA_FIND_COUNTRY_DISPUTED_RELATIONS_H_

#include <map>
#include <string>
#include <vector>

#include "tessera/country.h"

namespace tessera {
namespace find_country {

// For each line "AABBCC..." (line feed already removed), in order, appends
// area AA to the entry of every further code BB, CC, ... . The result maps a
// country to the disputed areas its clipping includes, in line order.
//
// Throws FileError "Integrity failure (data files corrupted): countries.data
// contains country codes with odd digits." for a line of odd length, and
// "... contains invalid countries relations." for one shorter than four
// characters, and with an integrity-failure message naming the file for a
// code that is not two upper-case letters.
std::map<Country, std::vector<Country>> reformat_disputed_relations(
    const std::vector<std::string>& lines);

// Checks that every country named in `disputed` carries an outline: `codes`
// holds the outlines' codes run together.
//
// Throws FileError with an integrity-failure message when `codes` is empty
// ("countries.data doesn't contain any countries"), fails the checks of
// reformat_disputed_relations (odd length; fewer than two outlines), or when
// a key or value of `disputed`, examined in key order, names no outline
// ("countries.data reference unavailable country code - \"QQ\"", the
// message then ending in two full stops), or when a code in `codes` is not
// two upper-case letters.
void validate_disputed_areas(
    const std::map<Country, std::vector<Country>>& disputed,
    const std::vector<char>& codes);

}  // namespace find_country
}  // namespace tessera

#endif  // TESSERA_FIND_COUNTRY_DISPUTED_RELATIONS_H_
