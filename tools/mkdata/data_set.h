// Builds a whole data directory from a recipe.
#ifndef TESSERA_TOOLS_MKDATA_DATA_SET_H_
#define TESSERA_TOOLS_MKDATA_DATA_SET_H_

#include <string>

#include "mkdata/recipe.h"

namespace tessera {
namespace mkdata {

// Writes every file of a data directory for `recipe` under `root`, creating
// it if needed: the format version, the language list, the data version,
// the normalisation table, each language's wordlist, block order and
// autosuggest file, the word index, the attractiveness blocks, the excluded
// areas, and made-up places and countries. Same recipe, same bytes.
//
// Throws std::runtime_error (or a subclass) when the recipe cannot be built:
// an unknown language code, a word file that cannot be read or holds too
// few usable words, words that cannot be encoded, or a file that cannot be
// written.
void build_data_set(const Recipe& recipe, const std::string& root);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_DATA_SET_H_
