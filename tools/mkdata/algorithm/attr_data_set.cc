#include "mkdata/algorithm/attr_data_set.h"

#include "algorithm/blocks_format.h"
#include "mkdata/algorithm/block_order.h"
#include "mkdata/algorithm/block_planner.h"
#include "mkdata/algorithm/blocks_writer.h"
#include "mkdata/byte_writer.h"

namespace tessera {
namespace mkdata {

AttrDataSet build_attr_data_set(
    const LandModel& model, const std::vector<LanguagePreference>& languages) {
  AttrDataSet data;
  data.plan = plan_blocks(model);
  for (const LanguagePreference& language : languages) {
    data.block_orders.push_back(LanguageBlockOrder{
        language.code, block_order_for(data.plan, language.preferred_regions)});
  }
  return data;
}

void write_attr_data_set(const AttrDataSet& data, const std::string& root) {
  write_data_file(root, algorithm::kBlocksFileName,
                  write_blocks_data(data.plan));
  for (const LanguageBlockOrder& language : data.block_orders) {
    write_data_file(root, algorithm::block_order_file_name(language.code),
                    write_block_order(language.block_order));
  }
}

}  // namespace mkdata
}  // namespace tessera
