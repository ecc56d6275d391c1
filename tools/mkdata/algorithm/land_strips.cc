#include "mkdata/algorithm/land_strips.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "algorithm/grid_constants.h"

namespace tessera {
namespace mkdata {

namespace {

constexpr std::int32_t kScoreSamples = 16;

std::int16_t narrow(std::int32_t value) {
  return static_cast<std::int16_t>(value);
}

// The pieces of one run, merged as region_pieces describes.
void split_run(const CellRun& run, std::int32_t y, const LandModel& model,
               std::int32_t min_cells, std::vector<LandStrip>* out) {
  const std::int32_t regions = model.region_count();
  std::vector<LandStrip> raw;
  for (std::int32_t x = run.x_begin; x < run.x_end; ++x) {
    const std::int32_t region = model.region(x, y);
    if (region < 0 || region >= regions) {
      throw std::runtime_error("land model gives a region out of range");
    }
    if (!raw.empty() && raw.back().region == region) {
      ++raw.back().count;
    } else {
      raw.push_back(LandStrip{narrow(x), narrow(y), 1, region, 0.0});
    }
  }
  // Short pieces take a neighbour's region; a short first piece waits for
  // the next one.
  std::vector<LandStrip> merged;
  std::int16_t carried = 0;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    LandStrip piece = raw[i];
    piece.x = narrow(piece.x - carried);
    piece.count = narrow(piece.count + carried);
    carried = 0;
    const bool is_short = piece.count < min_cells;
    if (!merged.empty() && (is_short || merged.back().region == piece.region)) {
      merged.back().count = narrow(merged.back().count + piece.count);
    } else if (merged.empty() && is_short && i + 1 < raw.size()) {
      carried = piece.count;
    } else {
      merged.push_back(piece);
    }
  }
  out->insert(out->end(), merged.begin(), merged.end());
}

// The mean score of the cells x .. x + count - 1 of row y, from at most
// kScoreSamples cells spread evenly over them.
double mean_score(const LandModel& model, std::int32_t x, std::int32_t count,
                  std::int32_t y) {
  const std::int32_t samples = std::min(count, kScoreSamples);
  double sum = 0;
  for (std::int32_t i = 0; i < samples; ++i) {
    // The middle cell of the i-th of `samples` equal parts.
    const std::int32_t offset = static_cast<std::int32_t>(
        (std::int64_t{2} * i + 1) * count / (2 * samples));
    sum += model.score(x + offset, y);
  }
  return sum / samples;
}

std::int64_t strips_at_limit(const std::vector<LandStrip>& pieces,
                             std::int32_t limit) {
  std::int64_t count = 0;
  for (const LandStrip& piece : pieces) {
    count += (piece.count + limit - 1) / limit;
  }
  return count;
}

}  // namespace

std::vector<LandStrip> region_pieces(const LandLayout& layout,
                                     const LandModel& model,
                                     std::int32_t min_cells) {
  std::vector<LandStrip> pieces;
  for (std::int32_t y = 0; y < algorithm::kCellRows; ++y) {
    for (const CellRun& run : layout.row(y)) {
      split_run(run, y, model, min_cells, &pieces);
    }
  }
  return pieces;
}

std::vector<LandStrip> cut_and_score(const std::vector<LandStrip>& pieces,
                                     std::int64_t max_strips,
                                     const LandModel& model) {
  // The shortest limit that fits; a limit of a whole row always does.
  std::int32_t low = 1;
  std::int32_t high = algorithm::kCellColumns;
  while (low < high) {
    const std::int32_t middle = low + (high - low) / 2;
    if (strips_at_limit(pieces, middle) <= max_strips) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  const std::int32_t limit = low;

  std::vector<LandStrip> strips;
  strips.reserve(static_cast<std::size_t>(strips_at_limit(pieces, limit)));
  for (const LandStrip& piece : pieces) {
    const std::int32_t parts = (piece.count + limit - 1) / limit;
    std::int32_t x = piece.x;
    for (std::int32_t p = 0; p < parts; ++p) {
      const std::int32_t count =
          piece.count / parts + (p < piece.count % parts ? 1 : 0);
      strips.push_back(LandStrip{narrow(x), piece.y, narrow(count),
                                 piece.region,
                                 mean_score(model, x, count, piece.y)});
      x += count;
    }
  }
  return strips;
}

}  // namespace mkdata
}  // namespace tessera
