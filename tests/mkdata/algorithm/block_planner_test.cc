#include "mkdata/algorithm/block_planner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "algorithm/column_table.h"
#include "algorithm/read_attr_data.h"
#include "mkdata/algorithm/attr_test_fixture.h"
#include "mkdata/algorithm/blocks_writer.h"
#include "mkdata/algorithm/land_model.h"
#include "mkdata/algorithm/procedural_land_model.h"
#include "testing/data_files.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr int kColumns = 8640;
constexpr int kRows = 4320;

int decode16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8);
}

// Reads blocks.data by hand and checks that its strips, each inside one
// cell row, cover every cell of the grid exactly once. Returns the block of
// every cell (row-major), or an empty vector after reporting a failure.
std::vector<std::int16_t> block_of_every_cell(
    const std::vector<std::uint8_t>& bytes) {
  std::vector<std::int16_t> owner(std::size_t{kColumns} * kRows, -1);
  std::size_t at = 2;
  const int blocks = decode16(bytes, 0);
  for (int b = 0; b < blocks; ++b) {
    const std::size_t n = bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                          std::size_t{bytes[at + 3]} << 24;
    at += 6;
    for (std::size_t i = 0; i < n; ++i) {
      const int x = decode16(bytes, at + 2 * i);
      const int y = decode16(bytes, at + 2 * (n + i));
      const int count = decode16(bytes, at + 2 * (2 * n + i));
      if (y < 0 || y >= kRows || x < 0 || count < 1 || x + count > kColumns) {
        ADD_FAILURE() << "strip " << i << " of block " << b
                      << " leaves its row";
        return {};
      }
      for (int c = x; c < x + count; ++c) {
        std::int16_t& cell = owner[std::size_t{kColumns} * y + c];
        if (cell != -1) {
          ADD_FAILURE() << "cell " << c << ", " << y << " in blocks " << cell
                        << " and " << b;
          return {};
        }
        cell = static_cast<std::int16_t>(b);
      }
    }
    at += 6 * n;
  }
  EXPECT_EQ(at, bytes.size());
  for (std::size_t i = 0; i < owner.size(); ++i) {
    if (owner[i] == -1) {
      ADD_FAILURE() << "cell " << i % kColumns << ", " << i / kColumns
                    << " is in no block";
      return {};
    }
  }
  return owner;
}

TEST(BlockPlanner, TheWorldCoversEveryCellOnce) {
  EXPECT_FALSE(
      block_of_every_cell(test::procedural_attr().blocks_data).empty());
}

// The sea block is the model's sea and the other blocks its land, but for
// the cells the check values reserve and the land resized to the exact
// total.
TEST(BlockPlanner, TheSeaIsTheModelsSea) {
  const test::ProceduralAttr& world = test::procedural_attr();
  const std::vector<std::int16_t> owner =
      block_of_every_cell(world.blocks_data);
  ASSERT_FALSE(owner.empty());
  std::int64_t land_cells = 0;
  std::int64_t differing = 0;
  for (int y = 24; y < kRows - 2; ++y) {
    std::vector<bool> land(kColumns, false);
    for (const CellRun& run : world.model.land_runs(y)) {
      for (int x = run.x_begin; x < run.x_end; ++x) land[x] = true;
    }
    for (int x = 0; x < kColumns; ++x) {
      land_cells += land[x];
      differing += land[x] != (owner[std::size_t{kColumns} * y + x] != 626);
    }
  }
  EXPECT_LT(differing, land_cells / 1000);
  // Open ocean and a city's cell (longitude -74, latitude 40.7).
  EXPECT_EQ(owner[std::size_t{kColumns} * 2160 + 720], 626);
  EXPECT_LT(owner[std::size_t{kColumns} * 3136 + 2544], 624);
}

// Blocks are filled best first: early blocks hold higher scores.
TEST(BlockPlanner, EarlyBlocksHoldTheMostAttractiveLand) {
  const test::ProceduralAttr& world = test::procedural_attr();
  auto mean_score = [&](int first, int end) {
    double sum = 0;
    int count = 0;
    for (int b = first; b < end; ++b) {
      for (const PlannedStrip& strip : world.data.plan.blocks[b].strips) {
        if (strip.y == 4318) continue;  // cells borrowed to fix totals
        sum += world.model.score(strip.x, strip.y);
        ++count;
      }
    }
    return sum / count;
  };
  const double early = mean_score(0, 100);
  const double middle = mean_score(300, 400);
  const double late = mean_score(500, 624);
  EXPECT_GT(early, middle);
  EXPECT_GT(middle, late);
  EXPECT_GT(mean_score(500, 624), mean_score(625, 626));
}

TEST(BlockPlanner, SameModelSameBytes) {
  const ProceduralLandModel model;
  EXPECT_EQ(write_blocks_data(plan_blocks(model)),
            test::procedural_attr().blocks_data);
}

// Worlds the planner must reshape: no land at all (it raises land in the
// middle latitudes), and a speckle of small islands too many to describe
// one by one (it coarsens them).
class NoLand : public LandModel {
 public:
  std::vector<CellRun> land_runs(std::int32_t) const override { return {}; }
  double score(std::int32_t x, std::int32_t) const override { return -x; }
  std::int32_t region(std::int32_t, std::int32_t y) const override {
    return y % 2;
  }
  std::int32_t region_count() const override { return 2; }
};

class Speckles : public LandModel {
 public:
  std::vector<CellRun> land_runs(std::int32_t y) const override {
    std::vector<CellRun> runs;
    if (y < 1500 || y >= 2100) return runs;
    for (std::int32_t x = 0; x + 3 <= kColumns; x += 5) {
      runs.push_back(CellRun{x, x + 3});
    }
    return runs;
  }
  double score(std::int32_t x, std::int32_t y) const override {
    return (x * 7 + y * 13) % 101;
  }
  std::int32_t region(std::int32_t x, std::int32_t) const override {
    return x / 1440;
  }
  std::int32_t region_count() const override { return 6; }
};

TEST(BlockPlanner, ReshapesAwkwardWorlds) {
  const NoLand no_land;
  const Speckles speckles;
  const struct {
    const char* name;
    const LandModel* model;
  } kCases[] = {{"no land", &no_land}, {"speckles", &speckles}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::uint8_t> bytes =
        write_blocks_data(plan_blocks(*c.model));
    EXPECT_NO_THROW(algorithm::read_shared_attr_data(test::file_bytes(bytes)));
    EXPECT_FALSE(block_of_every_cell(bytes).empty());
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
