#include "mkdata/algorithm/block_ranking.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <utility>

#include "algorithm/blocks_format.h"
#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "mkdata/algorithm/reserved_cells.h"

namespace tessera {
namespace mkdata {

namespace {

using algorithm::columns_in_cell_row;
using algorithm::kBlockTotalChecks;

constexpr int kRankedBlocks = kPolarBlock;
static_assert(kBlockTotalChecks[0].block == 0 &&
                  kBlockTotalChecks[1].block == 200 &&
                  kBlockTotalChecks[2].block == kSeaBlock,
              "two ranked blocks have exact totals");
constexpr int kMiddleBlock = kBlockTotalChecks[1].block;
// How far down its region an exact block looks for cells narrow enough to
// fill what is left of its target.
constexpr std::size_t kLookAhead = 256;

bool is_exact(int block) {
  return block == kBlockTotalChecks[0].block || block == kMiddleBlock;
}

// The strips of one region, best first, and how many have been taken.
struct RegionQueue {
  std::vector<LandStrip> strips;
  std::size_t next = 0;

  bool empty() const { return next == strips.size(); }
  LandStrip& head() { return strips[next]; }
};

// Hands out the one-column cells of the flex row, west to east.
class FlexCells {
 public:
  explicit FlexCells(std::int32_t cells) : left_(cells) {}

  std::int32_t left() const { return left_; }

  void take(std::int32_t cells, PlannedBlock* block) {
    if (cells > left_) {
      throw std::runtime_error("not enough flex cells for the block totals");
    }
    block->strips.push_back(PlannedStrip{static_cast<std::int16_t>(next_x_),
                                         static_cast<std::int16_t>(kFlexRow),
                                         static_cast<std::int16_t>(cells)});
    next_x_ += cells;
    left_ -= cells;
  }

 private:
  std::int32_t next_x_ = 0;
  std::int32_t left_;
};

class Ranking {
 public:
  Ranking(std::vector<LandStrip> strips, std::int32_t region_count)
      : queues_(static_cast<std::size_t>(region_count)) {
    for (const LandStrip& strip : strips) {
      queues_[static_cast<std::size_t>(strip.region)].strips.push_back(strip);
    }
    for (RegionQueue& queue : queues_) {
      std::sort(queue.strips.begin(), queue.strips.end(),
                [](const LandStrip& a, const LandStrip& b) {
                  if (a.score != b.score) return a.score > b.score;
                  if (a.y != b.y) return a.y < b.y;
                  return a.x < b.x;
                });
    }
  }

  // The region whose best strip left is the best of all, -1 when no strip
  // is left. Ties go to the lower region.
  std::int32_t best_region() {
    std::int32_t best = -1;
    for (std::size_t r = 0; r < queues_.size(); ++r) {
      if (queues_[r].empty()) continue;
      if (best < 0 || queues_[r].head().score > queues_[best].head().score) {
        best = static_cast<std::int32_t>(r);
      }
    }
    return best;
  }

  RegionQueue& queue(std::int32_t region) { return queues_[region]; }

 private:
  std::vector<RegionQueue> queues_;
};

void take_cells(LandStrip* strip, std::int32_t cells, PlannedBlock* block) {
  block->strips.push_back(
      PlannedStrip{strip->x, strip->y, static_cast<std::int16_t>(cells)});
  strip->x = static_cast<std::int16_t>(strip->x + cells);
  strip->count = static_cast<std::int16_t>(strip->count - cells);
}

// Moves to the head of `queue` the best of its next few strips whose cells
// have at most `columns` columns, so that an exact block takes land rather
// than flex cells. Returns false when there is none.
bool bring_forward_narrower(std::int64_t columns, RegionQueue* queue) {
  const std::size_t end =
      std::min(queue->strips.size(), queue->next + kLookAhead);
  for (std::size_t i = queue->next + 1; i < end; ++i) {
    if (columns_in_cell_row[queue->strips[i].y] <= columns) {
      std::rotate(queue->strips.begin() + queue->next,
                  queue->strips.begin() + i, queue->strips.begin() + i + 1);
      return true;
    }
  }
  return false;
}

void fill_ranked_block(int b, std::int64_t target, Ranking* ranking,
                       FlexCells* flex, PlannedBlock* block) {
  const bool exact = is_exact(b);
  std::int32_t region = ranking->best_region();
  std::int64_t total = 0;
  while (total < target) {
    if (region < 0 || ranking->queue(region).empty()) {
      if (!exact) break;
      region = ranking->best_region();
      if (region < 0) break;
    }
    RegionQueue& queue = ranking->queue(region);
    LandStrip& strip = queue.head();
    const std::int64_t columns = columns_in_cell_row[strip.y];
    const std::int64_t need = target - total;
    // A strip that crosses the target is cut: an exact block stops below
    // the target, any other block just past it.
    const bool crosses = strip.count * columns > need;
    const std::int32_t cells =
        !crosses ? strip.count
                 : static_cast<std::int32_t>(
                       exact ? need / columns : (need + columns - 1) / columns);
    if (cells == 0 && exact && bring_forward_narrower(need, &queue)) continue;
    if (cells > 0) {
      take_cells(&strip, cells, block);
      total += cells * columns;
      if (block->region < 0) block->region = region;
      if (strip.count == 0) ++queue.next;
    }
    if (crosses) break;
  }
  if (exact && total < target) {
    flex->take(static_cast<std::int32_t>(target - total), block);
  }
  if (block->strips.empty()) flex->take(1, block);
}

}  // namespace

std::vector<std::int64_t> ranked_block_targets(std::int64_t land_columns) {
  const double first = static_cast<double>(kBlockTotalChecks[0].total);
  const double middle = static_cast<double>(kBlockTotalChecks[1].total);
  std::vector<std::int64_t> targets(kRankedBlocks);
  const double early_growth = std::pow(middle / first, 1.0 / kMiddleBlock);
  for (int b = 0; b <= kMiddleBlock; ++b) {
    targets[b] = std::llround(first * std::pow(early_growth, b));
  }
  targets[0] = kBlockTotalChecks[0].total;
  targets[kMiddleBlock] = kBlockTotalChecks[1].total;

  double early_sum = 0;
  for (int b = 0; b <= kMiddleBlock; ++b) {
    early_sum += static_cast<double>(targets[b]);
  }
  // In floating point: the sums overflow no integer while bisecting.
  auto late_sum = [&](double growth) {
    double sum = 0;
    for (int b = kMiddleBlock + 1; b < kRankedBlocks; ++b) {
      sum += middle * std::pow(growth, b - kMiddleBlock);
    }
    return sum;
  };
  const double goal = 0.9 * static_cast<double>(land_columns) - early_sum;
  double low = 1.0;
  double high = 2.0;
  if (late_sum(low) < goal) {
    for (int i = 0; i < 60; ++i) {
      const double growth = (low + high) / 2;
      if (late_sum(growth) < goal) {
        low = growth;
      } else {
        high = growth;
      }
    }
  }
  for (int b = kMiddleBlock + 1; b < kRankedBlocks; ++b) {
    targets[b] = std::llround(middle * std::pow(low, b - kMiddleBlock));
  }
  return targets;
}

void rank_blocks(std::vector<LandStrip> strips, std::int32_t flex_cells,
                 std::int32_t region_count, BlocksPlan* plan) {
  std::int64_t land_columns = 0;
  for (const LandStrip& strip : strips) {
    land_columns += strip.count * std::int64_t{columns_in_cell_row[strip.y]};
  }
  const std::vector<std::int64_t> targets = ranked_block_targets(land_columns);

  Ranking ranking(std::move(strips), region_count);
  FlexCells flex(flex_cells);
  for (int b = 0; b < kRankedBlocks; ++b) {
    fill_ranked_block(b, targets[b], &ranking, &flex, &plan->blocks[b]);
  }

  PlannedBlock& rest = plan->blocks[kRemainderBlock];
  for (std::int32_t r = ranking.best_region(); r >= 0;
       r = ranking.best_region()) {
    RegionQueue& queue = ranking.queue(r);
    take_cells(&queue.head(), queue.head().count, &rest);
    ++queue.next;
  }
  if (flex.left() > 0) flex.take(flex.left(), &rest);
  if (rest.strips.empty()) {
    throw std::runtime_error("nothing is left for the remainder block");
  }
}

}  // namespace mkdata
}  // namespace tessera
