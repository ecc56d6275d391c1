#include "algorithm/three_numbers.h"

#include <cstdint>

#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "algorithm/ordinal_numbers.h"

namespace tessera {
namespace algorithm {

Optional<ThreeNumbers> three_numbers_from_coords(const AttrData& attr,
                                                 const ExcludedAreas& excluded,
                                                 const Coordinates& position) {
  const GridSquare square = square_containing_coords(position);
  if (excluded.is_excluded(square)) return {};
  const std::int64_t cell_start =
      attr.start_attr_of_cell_at(square.cell_x, square.cell_y);
  if (cell_start < 0) return {};  // a cell the data does not cover
  // col < 1546 columns, so the product fits 32 bits.
  const std::int32_t offset = square.col * kRowsPerCell + square.row;
  return three_numbers_of_ordinal(cell_start + offset);
}

Optional<GridSquare> square_from_three_numbers(const AttrData& attr,
                                               const ExcludedAreas& excluded,
                                               int i, int j, int k) {
  const Optional<std::int64_t> ordinal = ordinal_of_three_numbers(i, j, k);
  if (!ordinal) return {};
  const Optional<AttrCell> cell = attr.cell_containing_attr(*ordinal);
  if (!cell) return {};
  const std::int64_t offset = *ordinal - cell->cell_start;
  GridSquare square;
  square.cell_x = cell->x;
  square.cell_y = cell->y;
  square.col = static_cast<std::int32_t>(offset / kRowsPerCell);
  square.row = static_cast<std::int32_t>(offset % kRowsPerCell);
  square.cols = columns_in_cell_row[cell->y];
  if (excluded.is_excluded(square)) return {};
  return square;
}

Optional<Coordinates> coords_from_three_numbers(const AttrData& attr,
                                                const ExcludedAreas& excluded,
                                                int i, int j, int k) {
  const Optional<GridSquare> square =
      square_from_three_numbers(attr, excluded, i, j, k);
  if (!square) return {};
  return square_centre(*square);
}

}  // namespace algorithm
}  // namespace tessera
