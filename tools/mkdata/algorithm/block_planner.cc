#include "mkdata/algorithm/block_planner.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "algorithm/blocks_format.h"
#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "mkdata/algorithm/block_ranking.h"
#include "mkdata/algorithm/land_layout.h"
#include "mkdata/algorithm/land_strips.h"
#include "mkdata/algorithm/reserved_cells.h"
#include "mkdata/algorithm/strip_splitting.h"

namespace tessera {
namespace mkdata {

namespace {

using algorithm::columns_in_cell_row;
using algorithm::kCellColumns;
using algorithm::kCellRows;

// The flex cells left once the ordinary land is sized: enough for the two
// exact blocks (fewer columns than a cell each) and one cell for every other
// ranked block, and fewer than the flex row holds.
constexpr std::int64_t kMinFlexCells = 4000;
constexpr std::int64_t kMaxFlexCells = 8000;
// Strips that ranking may add to the land strips: a cut strip and a flex
// strip per ranked block, and the remainder block's flex strip.
constexpr std::int64_t kRankingExtraStrips = 2 * kPolarBlock + 1;
// Sea strips besides those between the land: row 0 and the flex row's rest,
// and the row above it.
constexpr std::int64_t kFixedSeaStrips = 3;

std::int16_t narrow(std::int32_t value) {
  return static_cast<std::int16_t>(value);
}

std::int64_t sea_block_total() {
  for (const algorithm::BlockTotalCheck& check : algorithm::kBlockTotalChecks) {
    if (check.block == kSeaBlock) return check.total;
  }
  throw std::logic_error("no check total for the sea block");
}

// Single-cell strips row by row, with cell (1, 0) moved to the end.
PlannedBlock polar_block() {
  PlannedBlock block;
  block.strips.reserve(kPolarStripCount);
  for (std::int32_t y = kPolarFirstRow; y <= kPolarPartialRow; ++y) {
    const std::int32_t end =
        y < kPolarPartialRow ? kCellColumns : kPolarPartialCells;
    for (std::int32_t x = 0; x < end; ++x) {
      if (y == kPolarFirstRow && x == 0) continue;
      block.strips.push_back(PlannedStrip{narrow(x), narrow(y), 1});
    }
  }
  block.strips.push_back(PlannedStrip{0, narrow(kPolarFirstRow), 1});
  return block;
}

std::int64_t polar_columns() {
  std::int64_t total = 0;
  for (const PlannedStrip& strip : polar_block().strips) {
    total += strip.columns();
  }
  return total;
}

// Row 0 first (moved to its place once the strips are counted), the sea
// between the land of the free cells, then the flex row's rest and the row
// above it.
PlannedBlock sea_block(const LandLayout& layout, std::int32_t flex_cells) {
  PlannedBlock block;
  block.strips.push_back(
      PlannedStrip{0, narrow(kSeaRow), narrow(kCellColumns)});
  auto add = [&](std::int32_t y, std::int32_t begin, std::int32_t end) {
    if (begin < end) {
      block.strips.push_back(
          PlannedStrip{narrow(begin), narrow(y), narrow(end - begin)});
    }
  };
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    const std::int32_t first = first_free_cell(y);
    if (first >= kCellColumns) continue;
    std::int32_t sea_from = first;
    for (const CellRun& run : layout.row(y)) {
      add(y, sea_from, run.x_begin);
      sea_from = run.x_end;
    }
    add(y, sea_from, kCellColumns);
  }
  add(kFlexRow, flex_cells, kCellColumns);
  add(kFlexRow + 1, 0, kCellColumns);
  return block;
}

void move_sea_row(PlannedBlock* sea) {
  std::vector<PlannedStrip>& strips = sea->strips;
  if (strips.size() <= static_cast<std::size_t>(kSeaRowPosition)) {
    throw std::logic_error("the sea block is too short for its row-0 strip");
  }
  std::rotate(strips.begin(), strips.begin() + 1,
              strips.begin() + kSeaRowPosition + 1);
}

void verify(const BlocksPlan& plan) {
  std::int64_t strips = 0;
  for (const PlannedBlock& block : plan.blocks) {
    if (block.strips.empty()) throw std::logic_error("an empty block");
    strips += static_cast<std::int64_t>(block.strips.size());
  }
  for (const algorithm::BlockTotalCheck& check : algorithm::kBlockTotalChecks) {
    if (plan.blocks[check.block].total() != check.total) {
      throw std::logic_error("a planned block misses its check total");
    }
  }
  if (strips != algorithm::kStripCount) {
    throw std::logic_error("the plan misses the strip count");
  }
}

}  // namespace

BlocksPlan plan_blocks(const LandModel& model) {
  const std::int64_t ordinary_land =
      algorithm::kColumnsInGrid - sea_block_total() - polar_columns();
  const LandLayout model_land = LandLayout::from_model(model);

  // Coarser and coarser coastlines until the strips fit.
  for (std::int32_t min_cells = 1; min_cells <= kCellColumns; min_cells *= 2) {
    LandLayout layout = model_land;
    layout.coarsen(min_cells);
    layout.adjust_columns(ordinary_land - kMaxFlexCells,
                          ordinary_land - kMinFlexCells);
    const std::int32_t flex_cells =
        static_cast<std::int32_t>(ordinary_land - layout.columns());

    const std::int64_t sea_strips = std::max<std::int64_t>(
        layout.sea_runs() + kFixedSeaStrips, kSeaRowPosition + 1);
    const std::int64_t land_budget = algorithm::kStripCount - kPolarStripCount -
                                     sea_strips - kRankingExtraStrips;
    std::vector<LandStrip> pieces = region_pieces(layout, model, min_cells);
    if (static_cast<std::int64_t>(pieces.size()) > land_budget) continue;

    BlocksPlan plan;
    plan.blocks.resize(algorithm::kBlockCount);
    rank_blocks(cut_and_score(pieces, land_budget, model), flex_cells,
                model.region_count(), &plan);
    plan.blocks[kPolarBlock] = polar_block();
    plan.blocks[kSeaBlock] = sea_block(layout, flex_cells);
    if (!split_to_strip_count(&plan)) continue;
    move_sea_row(&plan.blocks[kSeaBlock]);
    verify(plan);
    return plan;
  }
  throw std::runtime_error(
      "the land model has too many runs for the strip count");
}

}  // namespace mkdata
}  // namespace tessera
