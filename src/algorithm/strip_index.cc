#include "algorithm/strip_index.h"

#include <algorithm>
#include <cstddef>

namespace tessera {
namespace algorithm {

std::vector<StripIndexEntry> index_strips(const std::vector<Block>& blocks) {
  std::size_t count = 0;
  for (const Block& block : blocks) count += block.strips.size();

  std::vector<StripIndexEntry> index;
  index.reserve(count);
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    const std::vector<Strip>& strips = blocks[b].strips;
    for (std::size_t s = 0; s < strips.size(); ++s) {
      index.push_back(StripIndexEntry::make(strips[s].y(), strips[s].x(),
                                            static_cast<std::int32_t>(b),
                                            static_cast<std::int64_t>(s)));
    }
  }
  std::sort(
      index.begin(), index.end(),
      [](StripIndexEntry a, StripIndexEntry b) { return a.value < b.value; });
  return index;
}

}  // namespace algorithm
}  // namespace tessera
