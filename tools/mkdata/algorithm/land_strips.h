// The ordinary land cut into strips of one region each, with a score, ready
// to be ranked into blocks.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_STRIPS_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_STRIPS_H_

#include <cstdint>
#include <vector>

#include "mkdata/algorithm/land_layout.h"
#include "mkdata/algorithm/land_model.h"

namespace tessera {
namespace mkdata {

struct LandStrip {
  std::int16_t x;
  std::int16_t y;
  std::int16_t count;
  std::int32_t region;
  // The mean score of the strip's cells, estimated from up to 16 cells
  // spread over it (0 until scored).
  double score;
};

// The runs of `layout` split where the model's region changes, west to east
// and row by row. A piece shorter than `min_cells` is given the region of
// its western neighbour in the run (or, for the first piece of a run, of its
// eastern one), which merges them.
//
// Throws std::runtime_error when the model gives a region outside
// 0..region_count() - 1.
std::vector<LandStrip> region_pieces(const LandLayout& layout,
                                     const LandModel& model,
                                     std::int32_t min_cells);

// Cuts every piece into near-equal strips, no longer than the shortest
// length limit that keeps the total at or below `max_strips`, and scores
// each strip with the mean score of its cells (sampled as above).
//
// Requires: pieces.size() <= max_strips.
std::vector<LandStrip> cut_and_score(const std::vector<LandStrip>& pieces,
                                     std::int64_t max_strips,
                                     const LandModel& model);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_STRIPS_H_
