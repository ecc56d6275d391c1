#include "algorithm/excluded_areas.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "algorithm/excluded_format.h"
#include "algorithm/grid_constants.h"
#include "data/byte_reader.h"
#include "data/integrity.h"
#include "data/little_endian.h"

namespace tessera {
namespace algorithm {
namespace {

[[noreturn]] void corrupted() {
  data::integrity_failure("Excluded areas data corrupted");
}

std::int32_t field(const std::uint8_t* record, int index) {
  return data::decode_le<std::int32_t>(record + 4 * index);
}

bool is_cell_column(std::int32_t x) {
  return static_cast<std::uint32_t>(x) < std::uint32_t{kCellColumns};
}

bool is_cell_row(std::int32_t y) {
  return static_cast<std::uint32_t>(y) < std::uint32_t{kCellRows};
}

// The records of an excluded-areas file, after checking that the file holds
// exactly `count` records of `record_size` bytes after its count.
const std::uint8_t* records(data::ByteReader& in, std::uint32_t count,
                            std::size_t record_size) {
  if (in.remaining() / record_size != count ||
      in.remaining() % record_size != 0) {
    in.fail("Excluded areas data corrupted [the count says " +
            std::to_string(count) + " records of " +
            std::to_string(record_size) + " bytes, but " +
            std::to_string(in.remaining()) + " bytes follow it]");
  }
  return in.take(in.remaining());
}

std::vector<SmallGridRectangle> read_small_rectangles(
    const data::FileBytes& file) {
  data::ByteReader in = file.reader();
  const std::uint32_t count = in.read_u32();
  const std::uint8_t* record = records(in, count, kSmallRectangleRecordSize);
  std::vector<SmallGridRectangle> rectangles;
  rectangles.reserve(count);
  for (std::uint32_t n = 0; n < count;
       ++n, record += kSmallRectangleRecordSize) {
    const SmallGridRectangle r{field(record, 0), field(record, 1),
                               field(record, 2), field(record, 3),
                               field(record, 4), field(record, 5)};
    if (!is_cell_column(r.cell_x) || !is_cell_row(r.cell_y)) corrupted();
    rectangles.push_back(r);
  }
  return rectangles;
}

std::vector<std::vector<XRange>> read_large_strips(
    const data::FileBytes& file) {
  data::ByteReader in = file.reader();
  const std::int32_t declared = in.read_i32();
  const std::uint32_t count =
      declared < 1 ? 0 : static_cast<std::uint32_t>(declared);
  const std::uint8_t* record = records(in, count, kLargeStripRecordSize);
  std::vector<std::vector<XRange>> rows(kCellRows);
  for (std::uint32_t n = 0; n < count; ++n, record += kLargeStripRecordSize) {
    const std::int32_t row = field(record, 0);
    const XRange range{field(record, 1), field(record, 2)};
    if (!is_cell_row(row) || !is_cell_column(range.from) ||
        !is_cell_column(range.to)) {
      corrupted();
    }
    rows[row].push_back(range);
  }
  return rows;
}

}  // namespace

ExcludedAreas::ExcludedAreas(std::vector<SmallGridRectangle>&& small_rectangles,
                             std::vector<std::vector<XRange>>&& large_strips)
    : small_rectangles_(std::move(small_rectangles)),
      large_strips_(std::move(large_strips)) {}

bool ExcludedAreas::is_excluded(const GridSquare& square) const noexcept {
  for (const SmallGridRectangle& r : small_rectangles_) {
    if (r.cell_x == square.cell_x && r.cell_y == square.cell_y &&
        r.col_min <= square.col && square.col <= r.col_max &&
        r.row_min <= square.row && square.row <= r.row_max) {
      return true;
    }
  }
  if (square.cell_y < 0 ||
      static_cast<std::size_t>(square.cell_y) >= large_strips_.size()) {
    return false;
  }
  for (const XRange& range : large_strips_[square.cell_y]) {
    if (range.from <= square.cell_x && square.cell_x <= range.to) return true;
  }
  return false;
}

ExcludedAreas read_excluded_areas(const data::FileBytes& small_rectangles,
                                  const data::FileBytes& large_strips) {
  std::vector<SmallGridRectangle> rectangles =
      read_small_rectangles(small_rectangles);
  std::vector<std::vector<XRange>> strips = read_large_strips(large_strips);
  return ExcludedAreas(std::move(rectangles), std::move(strips));
}

}  // namespace algorithm
}  // namespace tessera
