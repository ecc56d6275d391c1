#include "mkdata/algorithm/strip_splitting.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <queue>
#include <stdexcept>
#include <utility>
#include <vector>

#include "algorithm/blocks_format.h"
#include "mkdata/algorithm/reserved_cells.h"

namespace tessera {
namespace mkdata {

namespace {

// A strip and how many pieces it will be written as; the longest piece
// comes first, ties broken by position so that the result is fixed.
struct Candidate {
  std::int32_t piece;  // cells in its longest piece
  std::int32_t block;
  std::int32_t strip;

  bool operator<(const Candidate& other) const {
    if (piece != other.piece) return piece < other.piece;
    if (block != other.block) return block > other.block;
    return strip > other.strip;
  }
};

class Splitter {
 public:
  explicit Splitter(const BlocksPlan& plan) : plan_(plan), parts_() {
    for (const PlannedBlock& block : plan.blocks) {
      parts_.emplace_back(block.strips.size(), 1);
    }
  }

  // Makes up to `cuts` cuts in the blocks for which `use` is true and
  // returns how many it made.
  template <typename Use>
  std::int64_t cut(std::int64_t cuts, Use use) {
    std::priority_queue<Candidate> queue;
    for (std::size_t b = 0; b < plan_.blocks.size(); ++b) {
      const std::vector<PlannedStrip>& strips = plan_.blocks[b].strips;
      for (std::size_t s = 0; s < strips.size(); ++s) {
        if (!use(static_cast<int>(b), strips[s])) continue;
        const std::int32_t piece = longest_piece(b, s);
        if (piece > 1) {
          queue.push(Candidate{piece, static_cast<std::int32_t>(b),
                               static_cast<std::int32_t>(s)});
        }
      }
    }
    std::int64_t made = 0;
    while (made < cuts && !queue.empty()) {
      const Candidate top = queue.top();
      queue.pop();
      ++parts_[top.block][top.strip];
      ++made;
      const std::int32_t piece = longest_piece(top.block, top.strip);
      if (piece > 1) queue.push(Candidate{piece, top.block, top.strip});
    }
    return made;
  }

  // The plan with every strip written as its pieces.
  void apply(BlocksPlan* plan) const {
    for (std::size_t b = 0; b < plan->blocks.size(); ++b) {
      std::vector<PlannedStrip> pieces;
      for (std::size_t s = 0; s < plan->blocks[b].strips.size(); ++s) {
        const PlannedStrip strip = plan->blocks[b].strips[s];
        const std::int32_t parts = parts_[b][s];
        std::int32_t x = strip.x;
        for (std::int32_t p = 0; p < parts; ++p) {
          const std::int32_t count =
              strip.count / parts + (p < strip.count % parts ? 1 : 0);
          pieces.push_back(PlannedStrip{static_cast<std::int16_t>(x), strip.y,
                                        static_cast<std::int16_t>(count)});
          x += count;
        }
      }
      plan->blocks[b].strips = std::move(pieces);
    }
  }

 private:
  std::int32_t longest_piece(std::size_t b, std::size_t s) const {
    const std::int32_t count = plan_.blocks[b].strips[s].count;
    const std::int32_t parts = parts_[b][s];
    return (count + parts - 1) / parts;
  }

  const BlocksPlan& plan_;
  std::vector<std::vector<std::int32_t>> parts_;
};

}  // namespace

bool split_to_strip_count(BlocksPlan* plan) {
  std::int64_t count = 0;
  for (const PlannedBlock& block : plan->blocks) {
    count += static_cast<std::int64_t>(block.strips.size());
  }
  std::int64_t deficit = algorithm::kStripCount - count;
  const std::int64_t sea_shortfall = std::max<std::int64_t>(
      0, kSeaRowPosition + 1 -
             static_cast<std::int64_t>(plan->blocks[kSeaBlock].strips.size()));
  if (deficit < sea_shortfall) return false;

  auto sea = [](int block, const PlannedStrip& strip) {
    return block == kSeaBlock && strip.y != kSeaRow;
  };
  // Flex strips are cells at the pole: cutting them refines nothing.
  auto land = [](int block, const PlannedStrip& strip) {
    return block != kSeaBlock && block != kPolarBlock && strip.y != kFlexRow;
  };
  Splitter splitter(*plan);
  if (splitter.cut(sea_shortfall, sea) != sea_shortfall) {
    throw std::runtime_error("too few sea cells for the sea block's strips");
  }
  deficit -= sea_shortfall;
  deficit -= splitter.cut(deficit, land);
  deficit -= splitter.cut(deficit, sea);
  if (deficit != 0) {
    throw std::runtime_error("too few cells to reach the strip count");
  }
  splitter.apply(plan);
  return true;
}

}  // namespace mkdata
}  // namespace tessera
