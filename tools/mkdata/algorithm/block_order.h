// A language's block order: the order in which it takes the shared blocks,
// so that the places its speakers care about get the short addresses.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_ORDER_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_ORDER_H_

#include <cstdint>
#include <vector>

#include "mkdata/algorithm/blocks_plan.h"

namespace tessera {
namespace mkdata {

// A permutation of the block numbers of `plan`: first the ranked blocks
// (0..623) drawn from a region in `preferred_regions`, in block-number
// order; then the other ranked blocks in block-number order; then blocks
// 624, 625 and 626. Two preference lists give different orders unless they
// move the same blocks to the front.
std::vector<int> block_order_for(
    const BlocksPlan& plan, const std::vector<std::int32_t>& preferred_regions);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_ORDER_H_
