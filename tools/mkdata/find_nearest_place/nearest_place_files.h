// The three nearest-place files made together, so that place numbers in the
// places file follow the leaves of the tree.
#ifndef TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_NEAREST_PLACE_FILES_H_
#define TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_NEAREST_PLACE_FILES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "mkdata/find_nearest_place/kdtree_writer.h"
#include "mkdata/find_nearest_place/places_writer.h"
#include "mkdata/find_nearest_place/syntax_writer.h"

namespace tessera {
namespace mkdata {

// Named places, in any order: places[i] lies at positions[i].
struct NearestPlaceData {
  std::vector<std::string> name_languages;
  std::vector<PlaceText> qualifiers;
  std::vector<PlaceEntry> places;
  std::vector<QuantisedPosition> positions;
  std::vector<JoiningRule> rules;
};

struct NearestPlaceFiles {
  std::vector<std::uint8_t> kdtree;  // "nearest_place_finder/kdtree.data"
  std::vector<std::uint8_t> places;  // "nearest_place_finder/places.data"
  std::vector<std::uint8_t> syntax;  // "nearest_place_finder/syntax.data"
  // place_at_leaf[i]: the index in `data.places` of place number i.
  std::vector<std::uint32_t> place_at_leaf;
};

// The tree of the positions, the places in leaf order, and the rules.
// Throws std::invalid_argument when places and positions differ in number,
// and whatever kdtree_file, places_file and syntax_file throw.
NearestPlaceFiles nearest_place_files(const NearestPlaceData& data);

// Writes the three files under `root`. Throws as nearest_place_files does,
// and std::runtime_error when a file cannot be written.
void write_nearest_place_files(const std::string& root,
                               const NearestPlaceData& data);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_NEAREST_PLACE_FILES_H_
