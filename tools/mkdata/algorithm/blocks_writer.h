// The writers of the attractiveness data: "attractiveness/blocks.data" and a
// language's encrypted ".block_order", in the layout of
// algorithm/blocks_format.h.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCKS_WRITER_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCKS_WRITER_H_

#include <cstdint>
#include <vector>

#include "mkdata/algorithm/blocks_plan.h"

namespace tessera {
namespace mkdata {

// The bytes of blocks.data for `plan`: the block count, then each block's
// strip count, two zero bytes, and its xs, ys and counts. No length word.
//
// Throws std::invalid_argument unless the plan holds kBlockCount blocks.
std::vector<std::uint8_t> write_blocks_data(const BlocksPlan& plan);

// The bytes of a ".block_order" file: the block numbers as i16, zero-padded
// to whole 16-byte blocks and encrypted with AES-128-CBC under the data
// files' key and initialisation vector.
//
// Throws std::invalid_argument unless `order` holds kBlockCount values in
// 0..626.
std::vector<std::uint8_t> write_block_order(const std::vector<int>& order);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCKS_WRITER_H_
