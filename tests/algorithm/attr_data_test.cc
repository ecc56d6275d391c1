#include "algorithm/attr_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "algorithm/read_attr_data.h"
#include "mkdata/algorithm/attr_test_fixture.h"
#include "mkdata/algorithm/blocks_writer.h"
#include "tessera/error.h"
#include "testing/data_files.h"

namespace tessera {
namespace algorithm {
namespace {

// Three blocks: block 0 holds cells 4320-4321 of row 2160 (1545 columns
// each) and cell 10 of row 100 (112 columns); block 1 cells 0-4 of row 4319
// (1 column); block 2 cells 0-2 of row 2000 (1535 columns).
std::shared_ptr<const SharedAttrData> small_data() {
  std::vector<Block> blocks(3);
  blocks[0].strips = {Strip::make(0, 4320, 2160), Strip::make(3090, 10, 100)};
  blocks[0].total = 3202;
  blocks[1].strips = {Strip::make(0, 0, 4319)};
  blocks[1].total = 5;
  blocks[2].strips = {Strip::make(0, 0, 2000)};
  blocks[2].total = 4605;
  return std::make_shared<const SharedAttrData>(std::move(blocks));
}

struct CellCase {
  int x;
  int y;
  std::int64_t start;
};

// Worked by hand: 1546 times the columns before the cell in the order.
const CellCase kOrder012[] = {{4320, 2160, 0},    {4321, 2160, 2388570},
                              {10, 100, 4777140}, {0, 4319, 4950292},
                              {4, 4319, 4956476}, {0, 2000, 4958022},
                              {2, 2000, 9704242}};
const CellCase kOrder201[] = {{0, 2000, 0},          {2, 2000, 4746220},
                              {4320, 2160, 7119330}, {4321, 2160, 9507900},
                              {10, 100, 11896470},   {0, 4319, 12069622},
                              {4, 4319, 12075806}};

TEST(AttrData, StartOfCellFollowsTheBlockOrder) {
  const auto shared = small_data();
  const AttrData order012(shared, {0, 1, 2});
  const AttrData order201(shared, {2, 0, 1});
  for (const auto& c : kOrder012) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(order012.start_attr_of_cell_at(c.x, c.y), c.start);
  }
  for (const auto& c : kOrder201) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(order201.start_attr_of_cell_at(c.x, c.y), c.start);
  }
}

// Every square of a cell leads back to the cell and its first square.
TEST(AttrData, EverySquareOfACellFindsTheCell) {
  const auto shared = small_data();
  const struct {
    std::vector<int> order;
    const CellCase* cases;
  } kOrders[] = {{{0, 1, 2}, kOrder012}, {{2, 0, 1}, kOrder201}};
  for (const auto& o : kOrders) {
    const AttrData attr(shared, std::vector<int>(o.order));
    for (int i = 0; i < 7; ++i) {
      const CellCase& c = o.cases[i];
      SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
      const AttrCell expected{c.x, c.y, c.start};
      const std::int64_t squares =
          std::int64_t{kRowsPerCell} * columns_in_cell_row[c.y];
      for (std::int64_t d = 0; d < squares; ++d) {
        const Optional<AttrCell> cell = attr.cell_containing_attr(c.start + d);
        if (!cell.has_value() || *cell != expected) {
          ADD_FAILURE() << "square " << d << " of the cell";
          break;
        }
      }
      // The square before the cell belongs to another cell.
      if (c.start > 0) {
        EXPECT_NE(attr.cell_containing_attr(c.start - 1).value(), expected);
      }
    }
  }
}

TEST(AttrData, OrdinalsOutsideTheDataFindNothing) {
  const AttrData attr(small_data(), {0, 1, 2});
  // The three blocks hold 7812 columns.
  const std::int64_t end = std::int64_t{7812} * kRowsPerCell;
  EXPECT_EQ(attr.cell_containing_attr(end - 1).value(),
            (AttrCell{2, 2000, 9704242}));
  for (long long n : {-1LL, static_cast<long long>(end), 56764364751359LL,
                      56764364751360LL}) {
    SCOPED_TRACE(n);
    EXPECT_FALSE(attr.cell_containing_attr(n).has_value());
  }
  // Outside the grid, or west of every strip of its row.
  const int kUnplaced[][2] = {{-1, 2000}, {8640, 2000}, {0, -1},
                              {0, 4320},  {0, 0},       {9, 100}};
  for (const auto& cell : kUnplaced) {
    SCOPED_TRACE(testing::Message() << cell[0] << ", " << cell[1]);
    EXPECT_EQ(attr.start_attr_of_cell_at(cell[0], cell[1]), -1);
  }
}

// An order may name a block twice and leave one out: a cell counts the
// blocks before its block's first place, a cell of a block left out counts
// them all, and the second place of a block leads to its cells again.
TEST(AttrData, OrdersWithRepeatedAndMissingBlocks) {
  const AttrData attr(small_data(), {1, 1, 0});
  const CellCase kStarts[] = {{0, 4319, 0},
                              {4, 4319, 6184},
                              {4320, 2160, 10 * 1546},
                              {0, 2000, 3212 * 1546}};
  for (const auto& c : kStarts) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(attr.start_attr_of_cell_at(c.x, c.y), c.start);
  }
  EXPECT_EQ(attr.cell_containing_attr(4 * 1546).value(),
            (AttrCell{4, 4319, 4 * 1546}));
  EXPECT_EQ(attr.cell_containing_attr(5 * 1546).value(),
            (AttrCell{0, 4319, 5 * 1546}));
  EXPECT_EQ(attr.cell_containing_attr(10 * 1546).value(),
            (AttrCell{4320, 2160, 10 * 1546}));
  EXPECT_FALSE(attr.cell_containing_attr(3212 * 1546).has_value());
  EXPECT_FALSE(AttrData(small_data(), {}).cell_containing_attr(0).has_value());
}

TEST(AttrData, RejectsBlockOrdersNamingMissingBlocks) {
  EXPECT_THROW(AttrData(small_data(), {0, 3, 1}), InvalidArgumentError);
  EXPECT_THROW(AttrData(small_data(), {-1}), InvalidArgumentError);
  EXPECT_THROW(AttrData(nullptr, {0}), InvalidArgumentError);
}

// On the built world: the first and last squares of the grid's sequence.
TEST(AttrData, FirstAndLastSquaresOfTheWorld) {
  const test::ProceduralAttr& world = test::procedural_attr();
  std::vector<int> order = world.data.block_orders[2].block_order;
  const mkdata::PlannedStrip first =
      world.data.plan.blocks[order.front()].strips.front();
  const AttrData attr(world.shared, std::move(order));

  EXPECT_EQ(attr.cell_containing_attr(0).value(),
            (AttrCell{first.x, first.y, 0}));
  const Optional<AttrCell> last = attr.cell_containing_attr(kSquaresInGrid - 1);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->cell_start + kRowsPerCell * columns_in_cell_row[last->y],
            kSquaresInGrid);
  EXPECT_FALSE(attr.cell_containing_attr(kSquaresInGrid).has_value());
}

// Brute force: walk the plan's blocks in the language's order, strip by
// strip and cell by cell, counting squares, and compare a sample of cells
// with both lookups.
TEST(AttrData, LookupsMatchANaiveWalkOfTheWorld) {
  const test::ProceduralAttr& world = test::procedural_attr();
  const mkdata::LanguageBlockOrder& language = world.data.block_orders[2];
  const AttrData attr = read_attr_data(
      world.shared,
      test::file_bytes(mkdata::write_block_order(language.block_order)));

  std::int64_t ordinal = 0;
  std::int64_t visited = 0;
  int failures = 0;
  for (int b : language.block_order) {
    for (const mkdata::PlannedStrip& strip : world.data.plan.blocks[b].strips) {
      const std::int64_t squares =
          std::int64_t{kRowsPerCell} * columns_in_cell_row[strip.y];
      for (int x = strip.x; x < strip.x + strip.count; ++x) {
        if (visited++ % 997 == 0 && failures < 10) {
          const AttrCell expected{x, strip.y, ordinal};
          if (attr.start_attr_of_cell_at(x, strip.y) != ordinal ||
              attr.cell_containing_attr(ordinal + squares - 1).value() !=
                  expected) {
            ++failures;
            ADD_FAILURE() << "cell " << x << ", " << strip.y << " of block "
                          << b;
          }
        }
        ordinal += squares;
      }
    }
  }
  EXPECT_EQ(ordinal, kSquaresInGrid);
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
