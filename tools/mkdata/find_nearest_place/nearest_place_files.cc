#include "mkdata/find_nearest_place/nearest_place_files.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "find_nearest_place/kdtree_format.h"
#include "find_nearest_place/places_format.h"
#include "mkdata/byte_writer.h"

namespace tessera {
namespace mkdata {

NearestPlaceFiles nearest_place_files(const NearestPlaceData& data) {
  if (data.places.size() != data.positions.size()) {
    throw std::invalid_argument("every place needs one position");
  }
  KDTreeFile tree = kdtree_file(data.positions);
  std::vector<PlaceEntry> in_leaf_order;
  in_leaf_order.reserve(data.places.size());
  for (const std::uint32_t place : tree.place_at_leaf) {
    in_leaf_order.push_back(data.places[place]);
  }
  NearestPlaceFiles files;
  files.kdtree = std::move(tree.bytes);
  files.places =
      places_file(data.name_languages, data.qualifiers, in_leaf_order);
  files.syntax = syntax_file(data.rules);
  files.place_at_leaf = std::move(tree.place_at_leaf);
  return files;
}

void write_nearest_place_files(const std::string& root,
                               const NearestPlaceData& data) {
  const NearestPlaceFiles files = nearest_place_files(data);
  write_data_file(root, find_nearest_place::kKdTreeFileName, files.kdtree);
  write_data_file(root, find_nearest_place::kPlacesFileName, files.places);
  write_data_file(root, find_nearest_place::kSyntaxFileName, files.syntax);
}

}  // namespace mkdata
}  // namespace tessera
