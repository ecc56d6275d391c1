#include "mkdata/algorithm/excluded_writer.h"

#include <cassert>
#include <limits>
#include <stdexcept>

#include "algorithm/column_table.h"
#include "algorithm/excluded_format.h"
#include "algorithm/grid_constants.h"
#include "algorithm/grid_square.h"
#include "mkdata/byte_writer.h"

namespace tessera {
namespace mkdata {
namespace {

using algorithm::GridSquare;
using algorithm::kCellColumns;
using algorithm::kCellRows;
using algorithm::kRowsPerCell;
using algorithm::SmallGridRectangle;

bool is_cell_column(std::int32_t x) { return x >= 0 && x < kCellColumns; }
bool is_cell_row(std::int32_t y) { return y >= 0 && y < kCellRows; }

// The squares of cell row y from (x0, col0) to (x1, col1), both inclusive
// and x0 <= x1, in the square rows row_min..row_max of every cell.
struct Span {
  std::int32_t y;
  std::int32_t x0, col0;
  std::int32_t x1, col1;
  std::int32_t row_min, row_max;
};

void add_span(const Span& s, ExcludedRecords& records) {
  const std::int32_t last_col = algorithm::columns_in_cell_row[s.y] - 1;
  const auto rectangle = [&](std::int32_t x) {
    records.small_rectangles.push_back(
        {x, s.y, x == s.x0 ? s.col0 : 0, s.row_min,
         x == s.x1 ? s.col1 : last_col, s.row_max});
  };
  if (s.row_min != 0 || s.row_max != kRowsPerCell - 1) {
    for (std::int32_t x = s.x0; x <= s.x1; ++x) rectangle(x);
    return;
  }
  // Full height: the cells whose every column is covered form one run.
  const std::int32_t whole_from = s.col0 == 0 ? s.x0 : s.x0 + 1;
  const std::int32_t whole_to = s.col1 == last_col ? s.x1 : s.x1 - 1;
  if (whole_from > whole_to) {  // no whole cell: one or two partial ones
    rectangle(s.x0);
    if (s.x1 != s.x0) rectangle(s.x1);
    return;
  }
  if (whole_from != s.x0) rectangle(s.x0);
  records.large_strips.push_back({s.y, whole_from, whole_to});
  if (whole_to != s.x1) rectangle(s.x1);
}

void check_record(const SmallGridRectangle& r) {
  if (!is_cell_column(r.cell_x) || !is_cell_row(r.cell_y)) {
    throw std::invalid_argument("excluded rectangle outside the grid");
  }
}

void check_record(const LargeStripRecord& s) {
  if (!is_cell_row(s.row) || !is_cell_column(s.from) || !is_cell_column(s.to)) {
    throw std::invalid_argument("excluded strip outside the grid");
  }
}

}  // namespace

void add_box(const BoundingBox& box, ExcludedRecords& records) {
  const GridSquare south = algorithm::square_containing_coords(box.sw);
  const GridSquare north = algorithm::square_containing_coords(box.ne);
  const bool whole_circle = box.ne.lng - box.sw.lng >= 360.0;
  for (std::int32_t y = south.cell_y; y <= north.cell_y; ++y) {
    const std::int32_t row_min = y == south.cell_y ? south.row : 0;
    const std::int32_t row_max =
        y == north.cell_y ? north.row : kRowsPerCell - 1;
    const auto add = [&](std::int32_t x0, std::int32_t col0, std::int32_t x1,
                         std::int32_t col1) {
      add_span({y, x0, col0, x1, col1, row_min, row_max}, records);
    };
    const std::int32_t last_col = algorithm::columns_in_cell_row[y] - 1;
    if (whole_circle) {
      add(0, 0, kCellColumns - 1, last_col);
      continue;
    }
    // Columns depend on the cell row, so each row finds its own.
    const double middle_lat = (y + 0.5) / algorithm::kCellsPerDegree - 90.0;
    const GridSquare west = algorithm::square_containing_coords(
        Coordinates(middle_lat, box.sw.lng));
    const GridSquare east = algorithm::square_containing_coords(
        Coordinates(middle_lat, box.ne.lng));
    assert(west.cell_y == y && east.cell_y == y);
    if (west.cell_x < east.cell_x ||
        (west.cell_x == east.cell_x && west.col <= east.col)) {
      add(west.cell_x, west.col, east.cell_x, east.col);
    } else {  // the east edge wrapped past longitude 180
      add(west.cell_x, west.col, kCellColumns - 1, last_col);
      add(0, 0, east.cell_x, east.col);
    }
  }
}

ExcludedRecords excluded_records(const ExcludedAreaList& areas) {
  ExcludedRecords records;
  for (const SmallGridRectangle& r : areas.small_rectangles) check_record(r);
  for (const LargeStripRecord& s : areas.large_strips) check_record(s);
  records.small_rectangles = areas.small_rectangles;
  records.large_strips = areas.large_strips;
  for (const BoundingBox& box : areas.boxes) add_box(box, records);
  return records;
}

std::vector<std::uint8_t> small_rectangles_bytes(
    const ExcludedRecords& records) {
  if (records.small_rectangles.size() >
      std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("too many excluded rectangles");
  }
  ByteWriter out;
  out.u32(static_cast<std::uint32_t>(records.small_rectangles.size()));
  for (const SmallGridRectangle& r : records.small_rectangles) {
    for (const std::int32_t v :
         {r.cell_x, r.cell_y, r.col_min, r.row_min, r.col_max, r.row_max}) {
      out.i32(v);
    }
  }
  return out.release();
}

std::vector<std::uint8_t> large_strips_bytes(const ExcludedRecords& records) {
  if (records.large_strips.size() >
      static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw std::length_error("too many excluded strips");
  }
  ByteWriter out;
  out.i32(static_cast<std::int32_t>(records.large_strips.size()));
  for (const LargeStripRecord& s : records.large_strips) {
    out.i32(s.row);
    out.i32(s.from);
    out.i32(s.to);
  }
  return out.release();
}

void write_excluded_areas(const std::string& root_dir,
                          const ExcludedAreaList& areas) {
  const ExcludedRecords records = excluded_records(areas);
  write_data_file(root_dir, algorithm::kExcludedSmallRectanglesFile,
                  small_rectangles_bytes(records));
  write_data_file(root_dir, algorithm::kExcludedLargeStripsFile,
                  large_strips_bytes(records));
}

}  // namespace mkdata
}  // namespace tessera
