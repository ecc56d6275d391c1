// Writes the two excluded-areas files of a data set.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_EXCLUDED_WRITER_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_EXCLUDED_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

#include "algorithm/excluded_areas.h"
#include "tessera/bounding_box.h"

namespace tessera {
namespace mkdata {

// One record of the large-strips file: the cells from..to (inclusive) of
// cell row `row`.
struct LargeStripRecord {
  std::int32_t row;
  std::int32_t from;
  std::int32_t to;

  friend bool operator==(const LargeStripRecord& a,
                         const LargeStripRecord& b) noexcept {
    return a.row == b.row && a.from == b.from && a.to == b.to;
  }
};

// The records of the two files.
struct ExcludedRecords {
  std::vector<algorithm::SmallGridRectangle> small_rectangles;
  std::vector<LargeStripRecord> large_strips;
};

// What a data set excludes: explicit records, written first and unchanged,
// then geographic boxes.
struct ExcludedAreaList {
  std::vector<algorithm::SmallGridRectangle> small_rectangles;
  std::vector<LargeStripRecord> large_strips;
  std::vector<BoundingBox> boxes;
};

// Appends to `records` the records that exclude exactly the squares holding
// some point of `box`: in latitude the square rows from the one containing
// the south edge to the one containing the north edge, and in each cell row
// the squares from the one containing the west edge to the one containing
// the east edge (both found with square_containing_coords, so an edge on a
// square boundary takes in the square north or east of it). Whole cells
// become one large strip per cell row; every partly covered cell becomes a
// small rectangle. Longitudes wrap as positions do, so a box whose east edge
// reaches longitude 180 or beyond goes on from cell column 0, and one 360
// degrees wide or more takes in whole cell rows.
void add_box(const BoundingBox& box, ExcludedRecords& records);

// The records of `areas`: its explicit records, then those of its boxes.
// Throws std::invalid_argument when an explicit record names a cell outside
// the grid (which the reader would reject).
ExcludedRecords excluded_records(const ExcludedAreaList& areas);

// The bytes of "excluded/excluded_small_rectangles.data" and
// "excluded/excluded_large_strips.data" (layout in
// algorithm/excluded_format.h; neither has a length word). Throws
// std::length_error when there are more records than a count can hold.
std::vector<std::uint8_t> small_rectangles_bytes(
    const ExcludedRecords& records);
std::vector<std::uint8_t> large_strips_bytes(const ExcludedRecords& records);

// Writes both files of `areas` under `root_dir`, creating "excluded/". Throws
// as excluded_records and the byte functions do, and std::runtime_error when
// a file cannot be written.
void write_excluded_areas(const std::string& root_dir,
                          const ExcludedAreaList& areas);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_EXCLUDED_WRITER_H_
