#include "algorithm/three_numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <random>
#include <vector>

#include "algorithm/column_table.h"
#include "algorithm/ordinal_numbers.h"

namespace tessera {
namespace algorithm {

static void PrintTo(const GridSquare& s, std::ostream* os) {
  *os << "{" << s.cell_x << ", " << s.cell_y << ", " << s.col << ", " << s.row
      << ", " << s.cols << "}";
}

namespace {

// Two blocks, taken in the order 1, 0:
//   block 1: cells 0..2 of the top cell row (one column each): ordinals
//            0 .. 3 * 1546 - 1;
//   block 0: cells 4320 and 4321 of the equator's row (1545 columns each),
//            then cells 10..20 of cell row 100 (112 columns each).
constexpr std::int32_t kTopRow = 4319;
constexpr std::int32_t kEquatorRow = 2160;
constexpr std::int32_t kRow100 = 100;
constexpr std::int64_t kTopColumns = 3;
constexpr std::int64_t kEquatorColumns = 2 * 1545;
constexpr std::int64_t kRow100Columns = 11 * 112;
constexpr std::int64_t kOrdinals =
    1546 * (kTopColumns + kEquatorColumns + kRow100Columns);

AttrData small_attr_data() {
  std::vector<Block> blocks(2);
  blocks[0].strips = {Strip::make(0, 4320, kEquatorRow),
                      Strip::make(kEquatorColumns, 10, kRow100)};
  blocks[0].total = kEquatorColumns + kRow100Columns;
  blocks[1].strips = {Strip::make(0, 0, kTopRow)};
  blocks[1].total = kTopColumns;
  return AttrData(std::make_shared<const SharedAttrData>(std::move(blocks)),
                  {1, 0});
}

ExcludedAreas no_exclusions() { return ExcludedAreas({}, {}); }

// Squares (4320, 2160, 100..102, 7..9) and every square of cell (15, 100).
ExcludedAreas some_exclusions() {
  std::vector<std::vector<XRange>> strips(4320);
  strips[kRow100] = {{15, 15}};
  return ExcludedAreas({{4320, kEquatorRow, 100, 7, 102, 9}},
                       std::move(strips));
}

GridSquare square(std::int32_t x, std::int32_t y, std::int32_t col,
                  std::int32_t row) {
  return {x, y, col, row, columns_in_cell_row[y]};
}

// The first ordinals are those of the top row's cells, so the published
// check values apply.
TEST(ThreeNumbers, CheckValues) {
  const AttrData attr = small_attr_data();
  const ExcludedAreas excluded = no_exclusions();
  const struct {
    GridSquare square;
    ThreeNumbers numbers;
  } kCases[] = {
      {square(0, kTopRow, 0, 0), {0, 0, 0}},           // ordinal 0
      {square(0, kTopRow, 0, 1), {1323, 2110, 1267}},  // ordinal 1
      {square(0, kTopRow, 0, 2), {1470, 570, 1412}},   // ordinal 2
      {square(1, kTopRow, 0, 0), {609, 1438, 1042}},   // ordinal 1546
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.square.cell_x << " " << c.square.row);
    const Coordinates centre = square_centre(c.square);
    EXPECT_EQ(three_numbers_from_coords(attr, excluded, centre),
              Optional<ThreeNumbers>(c.numbers));
    const auto [i, j, k] = c.numbers;
    EXPECT_EQ(square_from_three_numbers(attr, excluded, i, j, k),
              Optional<GridSquare>(c.square));
    const Optional<Coordinates> back =
        coords_from_three_numbers(attr, excluded, i, j, k);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->lat, centre.lat);
    EXPECT_EQ(back->lng, centre.lng);
  }
}

// Every ordinal of the data, sampled, names the square that its numbers lead
// back to; the first and last square of each strip are always included.
TEST(ThreeNumbers, RoundTripThroughEveryStrip) {
  const AttrData attr = small_attr_data();
  const ExcludedAreas excluded = no_exclusions();
  const std::uint32_t kSeed = 1546;
  SCOPED_TRACE(testing::Message() << "seed " << kSeed);
  std::mt19937_64 random(kSeed);
  std::uniform_int_distribution<std::int64_t> any_ordinal(0, kOrdinals - 1);
  std::vector<std::int64_t> ordinals = {
      0,
      1546 * kTopColumns - 1,
      1546 * kTopColumns,
      1546 * (kTopColumns + kEquatorColumns) - 1,
      1546 * (kTopColumns + kEquatorColumns),
      kOrdinals - 1};
  for (int n = 0; n < 3000; ++n) ordinals.push_back(any_ordinal(random));

  for (const std::int64_t ordinal : ordinals) {
    const Optional<ThreeNumbers> numbers = three_numbers_of_ordinal(ordinal);
    ASSERT_TRUE(numbers.has_value());
    const auto [i, j, k] = *numbers;
    const Optional<GridSquare> found =
        square_from_three_numbers(attr, excluded, i, j, k);
    ASSERT_TRUE(found.has_value()) << ordinal;
    const Coordinates centre = square_centre(*found);
    ASSERT_EQ(square_containing_coords(centre), *found) << ordinal;
    ASSERT_EQ(three_numbers_from_coords(attr, excluded, centre), numbers)
        << ordinal;
  }
  // The last square of the data is the north-east square of cell (20, 100).
  const auto [i, j, k] = *three_numbers_of_ordinal(kOrdinals - 1);
  EXPECT_EQ(square_from_three_numbers(attr, excluded, i, j, k),
            Optional<GridSquare>(square(20, kRow100, 111, 1545)));
}

TEST(ThreeNumbers, ExcludedSquaresHaveNoNumbersAndNoPosition) {
  const AttrData attr = small_attr_data();
  const ExcludedAreas none = no_exclusions();
  const ExcludedAreas excluded = some_exclusions();
  const struct {
    GridSquare square;
    bool excluded;
  } kCases[] = {
      {square(4320, kEquatorRow, 100, 7), true},
      {square(4320, kEquatorRow, 102, 9), true},
      {square(4320, kEquatorRow, 102, 10), false},
      {square(4320, kEquatorRow, 99, 7), false},
      {square(15, kRow100, 0, 0), true},
      {square(15, kRow100, 111, 1545), true},
      {square(14, kRow100, 111, 1545), false},
      {square(16, kRow100, 0, 0), false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.square.cell_x << " " << c.square.col
                                    << " " << c.square.row);
    const Coordinates centre = square_centre(c.square);
    // The numbers the square has when nothing is excluded.
    const Optional<ThreeNumbers> numbers =
        three_numbers_from_coords(attr, none, centre);
    ASSERT_TRUE(numbers.has_value());
    const auto [i, j, k] = *numbers;
    if (c.excluded) {
      EXPECT_FALSE(three_numbers_from_coords(attr, excluded, centre));
      EXPECT_FALSE(square_from_three_numbers(attr, excluded, i, j, k));
      EXPECT_FALSE(coords_from_three_numbers(attr, excluded, i, j, k));
    } else {
      EXPECT_EQ(three_numbers_from_coords(attr, excluded, centre), numbers);
      EXPECT_EQ(square_from_three_numbers(attr, excluded, i, j, k),
                Optional<GridSquare>(c.square));
    }
  }
}

TEST(ThreeNumbers, NumbersWithoutASquare) {
  const AttrData attr = small_attr_data();
  const ExcludedAreas excluded = no_exclusions();
  const auto [i, j, k] = *three_numbers_of_ordinal(kOrdinals);
  const ThreeNumbers kCases[] = {
      {i, j, k},  // the first ordinal past the data
      {40000, 0, 0},
      {0, 40000, 0},
      {0, 0, 40000},
      {39999, 39999, 39999},
      {-1, 0, 0},
      {1323, -1, 1267},
      {2147483647, 2147483647, 2147483647},
  };
  for (const ThreeNumbers& t : kCases) {
    SCOPED_TRACE(testing::Message() << t[0] << " " << t[1] << " " << t[2]);
    EXPECT_FALSE(square_from_three_numbers(attr, excluded, t[0], t[1], t[2]));
    EXPECT_FALSE(coords_from_three_numbers(attr, excluded, t[0], t[1], t[2]));
  }
}

// A cell row the data does not reach has no numbers even though nothing
// excludes it.
TEST(ThreeNumbers, UncoveredRowHasNoNumbers) {
  const AttrData attr = small_attr_data();
  EXPECT_FALSE(three_numbers_from_coords(attr, no_exclusions(),
                                         Coordinates(-89.99, 0.0)));
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
