#include "mkdata/algorithm/excluded_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "algorithm/column_table.h"
#include "algorithm/excluded_areas.h"
#include "algorithm/grid_square.h"
#include "testing/data_files.h"
#include "testing/hex.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

using algorithm::columns_in_cell_row;
using algorithm::ExcludedAreas;
using algorithm::GridSquare;
using algorithm::SmallGridRectangle;

// What the engine reads back from the two files the records make.
ExcludedAreas read_back(const ExcludedRecords& records) {
  return algorithm::read_excluded_areas(
      test::file_bytes(small_rectangles_bytes(records)),
      test::file_bytes(large_strips_bytes(records)));
}

// Whether some point of `box` lies in `s`. Where the box and the square
// meet, the box's point nearest to the square's centre lies in the square.
bool holds_point_of(const BoundingBox& box, const GridSquare& s) {
  const Coordinates c = algorithm::square_centre(s);
  const Coordinates p(std::clamp(c.lat, box.sw.lat, box.ne.lat),
                      std::clamp(c.lng, box.sw.lng, box.ne.lng));
  return algorithm::square_containing_coords(p) == s;
}

// Square rows and columns counted across the whole grid.
constexpr std::int64_t kRowsPerCell = 1546;
std::int64_t global_row(const GridSquare& s) {
  return s.cell_y * kRowsPerCell + s.row;
}
std::int64_t global_col(const GridSquare& s) {
  return std::int64_t{s.cell_x} * s.cols + s.col;
}

TEST(ExcludedWriter, BoxExcludesExactlyTheSquaresItTouches) {
  const struct {
    const char* what;
    double south, west, north, east;
  } kBoxes[] = {
      {"inside one cell", 0.0, 0.0, 0.00003, 0.00003},
      {"around a cell corner", -0.0001, -0.0001, 0.0001, 0.0002},
      {"edges on cell boundaries", 0.125, 0.125, 0.126, 0.126},
      {"whole cells", -89.875, -179.875, -89.750001, -179.500001},
      {"whole rows, partial end cells", -89.875, -179.87, -89.750001, -179.52},
      {"partial rows over three cell rows", -89.86, -179.87, -89.76, -179.52},
      {"whole rows inside one cell", -89.875, -179.87, -89.750001, -179.86},
      {"up to the pole", 89.9, 10.0, 90.0, 10.2},
      {"a single point", 51.5, -0.12, 51.5, -0.12},
  };
  for (const auto& b : kBoxes) {
    SCOPED_TRACE(b.what);
    const BoundingBox box(Coordinates(b.south, b.west),
                          Coordinates(b.north, b.east));
    ExcludedRecords records;
    add_box(box, records);
    const ExcludedAreas areas = read_back(records);

    // Every square of the box and of a margin of two squares around it.
    const GridSquare south = algorithm::square_containing_coords(box.sw);
    const GridSquare north = algorithm::square_containing_coords(box.ne);
    const std::int64_t last_row = 4320 * kRowsPerCell - 1;
    std::int64_t inside = 0;
    for (std::int64_t r = std::max<std::int64_t>(0, global_row(south) - 2);
         r <= std::min(last_row, global_row(north) + 2); ++r) {
      GridSquare s;
      s.cell_y = static_cast<std::int32_t>(r / kRowsPerCell);
      s.row = static_cast<std::int32_t>(r % kRowsPerCell);
      s.cols = columns_in_cell_row[s.cell_y];
      const double lat =
          algorithm::square_centre({0, s.cell_y, 0, s.row, 1}).lat;
      const std::int64_t west = global_col(
          algorithm::square_containing_coords(Coordinates(lat, b.west)));
      const std::int64_t east = global_col(
          algorithm::square_containing_coords(Coordinates(lat, b.east)));
      const std::int64_t last_col = std::int64_t{8640} * s.cols - 1;
      for (std::int64_t c = std::max<std::int64_t>(0, west - 2);
           c <= std::min(last_col, east + 2); ++c) {
        s.cell_x = static_cast<std::int32_t>(c / s.cols);
        s.col = static_cast<std::int32_t>(c % s.cols);
        const bool expected = holds_point_of(box, s);
        inside += expected;
        ASSERT_EQ(areas.is_excluded(s), expected)
            << "square " << s.cell_x << " " << s.cell_y << " " << s.col << " "
            << s.row;
      }
    }
    EXPECT_GT(inside, 0);
  }
}

TEST(ExcludedWriter, RecordsOfABox) {
  ExcludedRecords records;
  add_box(BoundingBox(Coordinates(0.0, 0.0), Coordinates(0.00003, 0.00003)),
          records);
  EXPECT_EQ(records.small_rectangles,
            (std::vector<SmallGridRectangle>{{4320, 2160, 0, 0, 1, 1}}));
  EXPECT_TRUE(records.large_strips.empty());

  // Cell rows 3 to 5 and cell columns 3 to 11, all whole.
  ExcludedRecords whole;
  add_box(BoundingBox(Coordinates(-89.875, -179.875),
                      Coordinates(-89.750001, -179.500001)),
          whole);
  EXPECT_TRUE(whole.small_rectangles.empty());
  EXPECT_EQ(whole.large_strips, (std::vector<LargeStripRecord>{
                                    {3, 3, 11}, {4, 3, 11}, {5, 3, 11}}));
}

// A box whose east edge is longitude 180 ends in the first square of cell
// column 0, where positions at 180 fall.
TEST(ExcludedWriter, EastEdgeAt180) {
  ExcludedRecords records;
  add_box(BoundingBox(Coordinates(0.0, 179.9999), Coordinates(0.00001, 180.0)),
          records);
  const ExcludedAreas areas = read_back(records);
  const GridSquare west =
      algorithm::square_containing_coords(Coordinates(0.0, 179.9999));
  ASSERT_EQ(west.cell_x, 8639);
  const GridSquare kExcluded[] = {
      west, {8639, 2160, 1544, 0, 1545}, {0, 2160, 0, 0, 1545}};
  const GridSquare kKept[] = {{8639, 2160, west.col - 1, 0, 1545},
                              {0, 2160, 1, 0, 1545},
                              {8639, 2160, west.col, 1, 1545}};
  for (const GridSquare& s : kExcluded) EXPECT_TRUE(areas.is_excluded(s));
  for (const GridSquare& s : kKept) EXPECT_FALSE(areas.is_excluded(s));
}

TEST(ExcludedWriter, WritesBothFiles) {
  ExcludedAreaList areas;
  areas.small_rectangles = {{1, 2, 3, 4, 5, 6}};
  areas.large_strips = {{100, 10, 20}};
  areas.boxes = {
      BoundingBox(Coordinates(0.0, 0.0), Coordinates(0.00003, 0.00003))};
  const test::TempDir dir;
  write_excluded_areas(dir.path(), areas);

  const auto contents = [&](const char* name) {
    std::ifstream in(dir.file_path(name), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  };
  EXPECT_EQ(contents("excluded/excluded_small_rectangles.data"),
            test::bytes_from_hex("02000000"
                                 "01000000 02000000 03000000"
                                 "04000000 05000000 06000000"
                                 "e0100000 70080000 00000000"
                                 "00000000 01000000 01000000"));
  EXPECT_EQ(contents("excluded/excluded_large_strips.data"),
            test::bytes_from_hex("01000000 64000000 0a000000 14000000"));
}

TEST(ExcludedWriter, RejectsRecordsOutsideTheGrid) {
  const SmallGridRectangle kBadRectangles[] = {
      {8640, 0, 0, 0, 0, 0}, {-1, 0, 0, 0, 0, 0}, {0, 4320, 0, 0, 0, 0}};
  for (const SmallGridRectangle& r : kBadRectangles) {
    ExcludedAreaList areas;
    areas.small_rectangles = {r};
    EXPECT_THROW(excluded_records(areas), std::invalid_argument);
  }
  const LargeStripRecord kBadStrips[] = {
      {4320, 0, 0}, {0, -1, 0}, {0, 0, 8640}};
  for (const LargeStripRecord& s : kBadStrips) {
    ExcludedAreaList areas;
    areas.large_strips = {s};
    EXPECT_THROW(excluded_records(areas), std::invalid_argument);
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
