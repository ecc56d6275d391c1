#include "algorithm/strip_index.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "algorithm/grid_constants.h"

namespace tessera {
namespace algorithm {

std::vector<StripIndexEntry> index_strips(const std::vector<Block>& blocks) {
  // Entries order by row first: they are dealt out to their rows, and only
  // each row's few entries are sorted, which is several times faster than
  // sorting the whole index at load.
  std::vector<std::size_t> row_end(static_cast<std::size_t>(kCellRows) + 1);
  for (const Block& block : blocks) {
    for (const Strip strip : block.strips) {
      ++row_end[static_cast<std::size_t>(strip.y()) + 1];
    }
  }
  for (std::size_t y = 1; y < row_end.size(); ++y) {
    row_end[y] += row_end[y - 1];
  }
  // row_end[y] is now where row y starts; filling moves it to where it ends.
  std::vector<StripIndexEntry> index(row_end.back());
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    const std::vector<Strip>& strips = blocks[b].strips;
    for (std::size_t s = 0; s < strips.size(); ++s) {
      index[row_end[static_cast<std::size_t>(strips[s].y())]++] =
          StripIndexEntry::make(strips[s].y(), strips[s].x(),
                                static_cast<std::int32_t>(b),
                                static_cast<std::int64_t>(s));
    }
  }
  std::size_t row_begin = 0;
  for (std::size_t y = 0; y < static_cast<std::size_t>(kCellRows); ++y) {
    std::sort(
        index.begin() + static_cast<std::ptrdiff_t>(row_begin),
        index.begin() + static_cast<std::ptrdiff_t>(row_end[y]),
        [](StripIndexEntry a, StripIndexEntry b) { return a.value < b.value; });
    row_begin = row_end[y];
  }
  return index;
}

}  // namespace algorithm
}  // namespace tessera
