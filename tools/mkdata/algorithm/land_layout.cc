#include "mkdata/algorithm/land_layout.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <utility>

#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "mkdata/algorithm/reserved_cells.h"

namespace tessera {
namespace mkdata {

namespace {

using algorithm::columns_in_cell_row;
using algorithm::kCellColumns;
using algorithm::kCellRows;

// Rows whose latitude is within 40 degrees of the equator.
constexpr std::int32_t kMidLatitudeFirstRow = kCellRows / 2 - 40 * 24;
constexpr std::int32_t kMidLatitudeEndRow = kCellRows / 2 + 40 * 24;
// The columns of a cell at the equator, the most any cell has.
constexpr std::int64_t kWidestCell = 1545;

// Sorts `runs` and merges those that overlap or touch.
void normalise(std::vector<CellRun>* runs) {
  std::sort(runs->begin(), runs->end(), [](const CellRun& a, const CellRun& b) {
    return a.x_begin < b.x_begin;
  });
  std::vector<CellRun> merged;
  for (const CellRun& run : *runs) {
    if (!merged.empty() && run.x_begin <= merged.back().x_end) {
      merged.back().x_end = std::max(merged.back().x_end, run.x_end);
    } else {
      merged.push_back(run);
    }
  }
  *runs = std::move(merged);
}

}  // namespace

LandLayout::LandLayout() : rows_(kCellRows) {}

LandLayout LandLayout::from_model(const LandModel& model) {
  LandLayout layout;
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    const std::int32_t first = first_free_cell(y);
    if (first >= kCellColumns) continue;
    std::vector<CellRun>& row = layout.rows_[y];
    for (CellRun run : model.land_runs(y)) {
      run.x_begin = std::max(run.x_begin, first);
      run.x_end = std::min(run.x_end, kCellColumns);
      if (run.x_begin < run.x_end) row.push_back(run);
    }
    normalise(&row);
  }
  return layout;
}

void LandLayout::coarsen(std::int32_t min_cells) {
  if (min_cells <= 1) return;
  for (std::vector<CellRun>& row : rows_) {
    std::vector<CellRun> kept;
    for (const CellRun& run : row) {
      if (!kept.empty() && run.x_begin - kept.back().x_end < min_cells) {
        kept.back().x_end = run.x_end;
      } else {
        kept.push_back(run);
      }
    }
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [min_cells](const CellRun& run) {
                                return run.x_end - run.x_begin < min_cells;
                              }),
               kept.end());
    row = std::move(kept);
  }
}

std::int64_t LandLayout::columns() const {
  std::int64_t total = 0;
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    for (const CellRun& run : rows_[y]) {
      total += std::int64_t{columns_in_cell_row[y]} * (run.x_end - run.x_begin);
    }
  }
  return total;
}

std::int64_t LandLayout::sea_runs() const {
  std::int64_t count = 0;
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    const std::int32_t first = first_free_cell(y);
    if (first >= kCellColumns) continue;
    const std::vector<CellRun>& row = rows_[y];
    std::int32_t sea_from = first;
    for (const CellRun& run : row) {
      if (run.x_begin > sea_from) ++count;
      sea_from = run.x_end;
    }
    if (sea_from < kCellColumns) ++count;
  }
  return count;
}

std::int32_t LandLayout::grow_row(std::int32_t y, std::int32_t cells) {
  const std::int32_t first = first_free_cell(y);
  std::vector<CellRun>& row = rows_[y];
  // The widest sea gap, and the runs on either side of it.
  std::int32_t gap_begin = first;
  std::int32_t gap_end = first;
  std::size_t next_run = 0;
  std::int32_t sea_from = first;
  for (std::size_t i = 0; i <= row.size(); ++i) {
    const std::int32_t sea_to = i < row.size() ? row[i].x_begin : kCellColumns;
    if (sea_to - sea_from > gap_end - gap_begin) {
      gap_begin = sea_from;
      gap_end = sea_to;
      next_run = i;
    }
    if (i < row.size()) sea_from = row[i].x_end;
  }
  const std::int32_t added = std::min(cells, gap_end - gap_begin);
  if (added <= 0) return 0;
  if (gap_begin > first) {
    // A run ends at gap_begin: extend it east.
    row[next_run - 1].x_end += added;
  } else if (next_run < row.size()) {
    row[next_run].x_begin -= added;
  } else {
    const std::int32_t begin = gap_begin + (gap_end - gap_begin - added) / 2;
    row.insert(row.begin(), CellRun{begin, begin + added});
  }
  normalise(&row);
  return added;
}

std::int32_t LandLayout::shrink_row(std::int32_t y, std::int32_t cells) {
  std::vector<CellRun>& row = rows_[y];
  if (row.empty()) return 0;
  auto longest = std::max_element(
      row.begin(), row.end(), [](const CellRun& a, const CellRun& b) {
        return a.x_end - a.x_begin < b.x_end - b.x_begin;
      });
  const std::int32_t removed =
      std::min(cells, longest->x_end - longest->x_begin);
  longest->x_end -= removed;
  if (longest->x_end == longest->x_begin) row.erase(longest);
  return removed;
}

void LandLayout::adjust_columns(std::int64_t lo, std::int64_t hi) {
  if (hi - lo < kWidestCell) {
    throw std::invalid_argument("land window narrower than a cell");
  }
  std::int64_t current = columns();
  auto inside = [&] { return current >= lo && current <= hi; };

  std::vector<std::int32_t> mid_rows;
  for (std::int32_t y = kMidLatitudeFirstRow; y < kMidLatitudeEndRow; ++y) {
    mid_rows.push_back(y);
  }
  std::vector<std::int32_t> all_rows;
  for (std::int32_t y = 0; y < kCellRows; ++y) {
    if (first_free_cell(y) < kCellColumns) all_rows.push_back(y);
  }

  for (const std::vector<std::int32_t>* rows : {&mid_rows, &all_rows}) {
    const std::int64_t row_count = static_cast<std::int64_t>(rows->size());
    bool progress = true;
    while (!inside() && progress) {
      progress = false;
      for (std::int32_t y : *rows) {
        if (inside()) break;
        const std::int64_t columns = columns_in_cell_row[y];
        // Spread what is missing over the rows, one cell at least, but never
        // past the far side of the window.
        const std::int64_t gap = current < lo ? lo - current : current - hi;
        const std::int64_t room = current < lo ? hi - current : current - lo;
        const std::int64_t cells =
            std::min({gap / (columns * row_count) + 1, room / columns,
                      std::int64_t{kCellColumns}});
        const std::int32_t step = static_cast<std::int32_t>(cells);
        if (current < lo) {
          const std::int32_t added = grow_row(y, step);
          current += added * columns;
          progress = progress || added > 0;
        } else {
          const std::int32_t removed = shrink_row(y, step);
          current -= removed * columns;
          progress = progress || removed > 0;
        }
      }
    }
    if (inside()) return;
  }
  throw std::runtime_error("the free cells cannot hold the land total");
}

}  // namespace mkdata
}  // namespace tessera
