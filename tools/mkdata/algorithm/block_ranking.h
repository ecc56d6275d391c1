// Ranking the land into blocks: the most attractive strips into the first
// blocks, each block drawn from one region.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_RANKING_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_RANKING_H_

#include <cstdint>
#include <vector>

#include "mkdata/algorithm/blocks_plan.h"
#include "mkdata/algorithm/land_strips.h"

namespace tessera {
namespace mkdata {

// The column target of each ranked block 0..623. The engine's check totals
// fix blocks 0 and 200; the targets grow geometrically from one to the
// other, and then on at the rate that makes the ranked blocks together take
// about nine tenths of `land_columns` (never shrinking).
std::vector<std::int64_t> ranked_block_targets(std::int64_t land_columns);

// Fills the ranked blocks 0..623 and the remainder block 625 of `plan`,
// which must hold kBlockCount blocks, from `strips` and from `flex_cells`
// one-column cells of row 4318 (cells 0 to flex_cells - 1).
//
// Block by block, the region of the most attractive strip left gives the
// block its strips, best first, until the block reaches its target; the
// strip that crosses the target is cut at a cell boundary and its rest goes
// back to the front of its region. Blocks 0 and 200 must meet their targets
// exactly: they move on to the next region when theirs runs out, cut the
// crossing strip below the target, first bring forward a nearby strip of
// the region whose cells are narrow enough for what is left, and make up
// the remainder (fewer columns than one cell) with flex cells. A block that
// finds no land gets one flex cell. Block 625 takes every strip left and
// every flex cell left.
//
// Throws std::runtime_error when the flex cells run out.
// Requires: flex_cells <= 8640; every strip's region in 0..region_count-1.
void rank_blocks(std::vector<LandStrip> strips, std::int32_t flex_cells,
                 std::int32_t region_count, BlocksPlan* plan);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_RANKING_H_
