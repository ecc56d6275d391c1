// Planning the attractiveness blocks of a world: which cells go into which
// block, in which order.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_PLANNER_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_PLANNER_H_

#include "mkdata/algorithm/blocks_plan.h"
#include "mkdata/algorithm/land_model.h"

namespace tessera {
namespace mkdata {

// Builds the kBlockCount blocks from `model` so that they cover every cell
// of the grid exactly once, each strip inside one cell row, and pass every
// check of the engine's reader: the column totals of blocks 0, 200 and 626,
// the strip count, and the first two strip-index entries.
//
// Block 626 is the sea, block 624 the cells around the south pole that the
// check values reserve, blocks 0 to 623 the land ranked by score (the best
// first, each block from one region), and block 625 the land left over. The
// land is resized by whole cells at run ends to the exact land total, and
// coarsened (narrow sea gaps filled, small islands dropped) when the model
// has too many runs to fit the strip count.
//
// Deterministic: the same model gives the same plan. Throws
// std::runtime_error when the model cannot be fitted (a region out of
// range, or land that no coarsening brings under the strip count).
BlocksPlan plan_blocks(const LandModel& model);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_BLOCK_PLANNER_H_
