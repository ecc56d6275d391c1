// Builds a whole data directory from a recipe.
#ifndef TESSERA_TOOLS_MKDATA_DATA_SET_H_
#define TESSERA_TOOLS_MKDATA_DATA_SET_H_

#include <memory>
#include <string>

#include "mkdata/algorithm/land_model.h"
#include "mkdata/find_country/synthetic_countries.h"
#include "mkdata/find_nearest_place/nearest_place_files.h"
#include "mkdata/recipe.h"

namespace tessera {
namespace mkdata {

// Where a data set's land, places and countries come from.
struct Geography {
  // Land and attractiveness; the recipe's preferred regions are its regions.
  std::shared_ptr<const LandModel> land;
  NearestPlaceData places;
  CountrySet countries;
  // The plane the country outlines are stored on.
  Quantisation country_quantisation = world_quantisation();
};

// The made-up world of test data sets: procedural land of six continents
// (regions 0 to 5) and an ice cap, 3,000 made-up places and a handful of
// made-up countries.
Geography synthetic_geography();

// Writes every file of a data directory for `recipe` under `root`, creating
// it if needed: the format version, the language list, the data version,
// the normalisation table, each language's wordlist, block order and
// autosuggest file, the word index, the attractiveness blocks, the excluded
// areas, and the places and countries of `geography`; then, last, the
// manifest "SHA256SUMS" of every other file under `root`. Same recipe and
// geography, same bytes. Long stages show progress on a terminal.
//
// Throws std::runtime_error (or a subclass) when the recipe cannot be built:
// an unknown language code, a word file that cannot be read or holds too
// few usable words, words that cannot be encoded, or a file that cannot be
// written.
void build_data_set(const Recipe& recipe, const Geography& geography,
                    const std::string& root);

// build_data_set with the synthetic geography.
void build_data_set(const Recipe& recipe, const std::string& root);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_DATA_SET_H_
