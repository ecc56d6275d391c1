#include "mkdata/algorithm/block_order.h"

#include <algorithm>

#include "mkdata/algorithm/reserved_cells.h"

namespace tessera {
namespace mkdata {

std::vector<int> block_order_for(
    const BlocksPlan& plan,
    const std::vector<std::int32_t>& preferred_regions) {
  auto preferred = [&](int b) {
    const std::int32_t region = plan.blocks[b].region;
    return region >= 0 &&
           std::find(preferred_regions.begin(), preferred_regions.end(),
                     region) != preferred_regions.end();
  };
  const int blocks = static_cast<int>(plan.blocks.size());
  const int ranked = std::min(blocks, kPolarBlock);
  std::vector<int> order;
  order.reserve(plan.blocks.size());
  for (int b = 0; b < ranked; ++b) {
    if (preferred(b)) order.push_back(b);
  }
  for (int b = 0; b < ranked; ++b) {
    if (!preferred(b)) order.push_back(b);
  }
  for (int b = ranked; b < blocks; ++b) order.push_back(b);
  return order;
}

}  // namespace mkdata
}  // namespace tessera
