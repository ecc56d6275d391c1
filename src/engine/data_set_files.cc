#include "engine/data_set_files.h"

#include "algorithm/blocks_format.h"
#include "algorithm/excluded_format.h"
#include "autosuggest/autosuggest_format.h"
#include "data/text_files_format.h"
#include "find_country/countries_format.h"
#include "find_nearest_place/kdtree_format.h"
#include "find_nearest_place/places_format.h"
#include "normalise/ntable_format.h"
#include "wordlist/word_index_format.h"

namespace tessera {
namespace engine {

const std::vector<std::string>& shared_data_files() {
  static const std::vector<std::string> files = {
      data::kLanguageCodesFileName,
      algorithm::kBlocksFileName,
      algorithm::kExcludedSmallRectanglesFile,
      algorithm::kExcludedLargeStripsFile,
      normalise::kNtableFileName,
      wordlist::word_index_format::kFileName,
      find_nearest_place::kPlacesFileName,
      find_nearest_place::kKdTreeFileName,
      find_nearest_place::kSyntaxFileName,
      find_country::kCountriesFileName,
      data::kDataVersionFileName,
  };
  return files;
}

std::vector<std::string> language_data_files(const std::string& code) {
  return {algorithm::block_order_file_name(code),
          autosuggest::autosuggest_file_name(code)};
}

}  // namespace engine
}  // namespace tessera
