// Writes "nearest_place_finder/places.data", the names of the places.
#ifndef TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_PLACES_WRITER_H_
#define TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_PLACES_WRITER_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tessera {
namespace mkdata {

// A text with optional translations: (language code, text) pairs, written
// in this order, so the first pair of a language is the one readers use.
struct PlaceText {
  std::string text;
  std::vector<std::pair<std::string, std::string>> translations;
};

struct PlaceEntry {
  PlaceText name;
  // Index into the qualifiers, or -1 for a place without one.
  int qualifier = -1;
};

// The places file: the header with `name_languages` (whose k-th code the
// letter 'A' + k names in translation fields), every qualifier line once,
// the place records, then the table whose entry i is place i's record.
// Deterministic.
//
// Throws std::invalid_argument when there are more than 26 name languages
// or one is not a known language code, a translation names a language not
// in the list, a text holds a TAB or line feed, or a qualifier index is out
// of range; std::length_error when the file would exceed the 16 MiB that
// readers accept.
std::vector<std::uint8_t> places_file(
    const std::vector<std::string>& name_languages,
    const std::vector<PlaceText>& qualifiers,
    const std::vector<PlaceEntry>& places);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_PLACES_WRITER_H_
