// The whole attractiveness data of a data directory, built from a land
// model: the shared blocks and one block order per language.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_ATTR_DATA_SET_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_ATTR_DATA_SET_H_

#include <cstdint>
#include <string>
#include <vector>

#include "mkdata/algorithm/blocks_plan.h"
#include "mkdata/algorithm/land_model.h"

namespace tessera {
namespace mkdata {

// A language and the regions whose places it ranks first.
struct LanguagePreference {
  std::string code;
  std::vector<std::int32_t> preferred_regions;
};

struct LanguageBlockOrder {
  std::string code;
  std::vector<int> block_order;
};

struct AttrDataSet {
  BlocksPlan plan;
  // One per language, in the order the preferences were given.
  std::vector<LanguageBlockOrder> block_orders;
};

// Plans the blocks of `model` (plan_blocks) and the block order of every
// language (block_order_for). Throws as plan_blocks does.
AttrDataSet build_attr_data_set(
    const LandModel& model, const std::vector<LanguagePreference>& languages);

// Writes root/attractiveness/blocks.data and, for every language C,
// root/languages/C/C.block_order, creating folders as needed. Throws
// std::runtime_error when a file cannot be written.
void write_attr_data_set(const AttrDataSet& data, const std::string& root);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_ATTR_DATA_SET_H_
