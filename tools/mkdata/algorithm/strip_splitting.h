// Bringing a plan to the exact strip count of the data release by cutting
// strips into consecutive strips of the same block, which moves no column
// and changes no block total.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_STRIP_SPLITTING_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_STRIP_SPLITTING_H_

#include "mkdata/algorithm/blocks_plan.h"

namespace tessera {
namespace mkdata {

// Cuts strips of `plan` (kBlockCount blocks, the sea block's row-0 strip
// first) until it holds exactly kStripCount strips: first the longest sea
// strips until the sea block can hold its row-0 strip at its fixed position,
// then the longest land strips of the ranked and remainder blocks (finer
// land strips), then the sea again. The polar block, the row-0 strip and
// the flex strips are never cut. A cut strip is written as near-equal
// consecutive pieces, in place.
//
// Returns false, leaving `plan` unchanged, when the plan already holds more
// strips than that, or too many for the sea block to reach its minimum.
// Throws std::runtime_error when no strip is long enough to cut further.
bool split_to_strip_count(BlocksPlan* plan);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_STRIP_SPLITTING_H_
