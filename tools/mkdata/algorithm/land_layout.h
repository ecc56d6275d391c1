// The ordinary land of an attractiveness plan: the land of a model outside
// the reserved cells, simplified and resized until it fits the data release.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_LAYOUT_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_LAYOUT_H_

#include <cstdint>
#include <vector>

#include "mkdata/algorithm/land_model.h"

namespace tessera {
namespace mkdata {

// Per cell row, the land runs sorted west to east, each at least one cell,
// with at least one sea cell between two runs, all inside the row's free
// cells (first_free_cell(y) .. 8639). A value type.
class LandLayout {
 public:
  // The model's land, merged and clipped to the free cells.
  static LandLayout from_model(const LandModel& model);

  // Simplifies the coastline so that fewer strips describe it: sea gaps
  // between two runs narrower than `min_cells` become land, then runs
  // shorter than `min_cells` become sea. A `min_cells` of 1 changes nothing.
  void coarsen(std::int32_t min_cells);

  // Adds or removes whole cells at the ends of runs, rows within 40 degrees
  // of the equator first, until columns() lies in [lo, hi]. No step crosses
  // the window, so any window at least 1,545 columns wide is reached.
  //
  // Throws std::invalid_argument when the window is narrower, and
  // std::runtime_error when the free cells cannot hold that much land.
  void adjust_columns(std::int64_t lo, std::int64_t hi);

  // The land's columns: cells times columns_in_cell_row, summed.
  std::int64_t columns() const;
  // The sea runs between the land runs of the free cells, all rows.
  std::int64_t sea_runs() const;

  const std::vector<CellRun>& row(std::int32_t y) const { return rows_[y]; }

 private:
  LandLayout();

  // Turns up to `cells` sea cells of row y into land next to a run (or in
  // the middle of an empty row) and returns how many it turned.
  std::int32_t grow_row(std::int32_t y, std::int32_t cells);
  // Turns up to `cells` land cells at the east end of the longest run of
  // row y into sea and returns how many it turned.
  std::int32_t shrink_row(std::int32_t y, std::int32_t cells);

  std::vector<std::vector<CellRun>> rows_;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_LAYOUT_H_
