#include "algorithm/excluded_areas.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "algorithm/excluded_format.h"
#include "algorithm/grid_constants.h"
#include "data/integrity.h"
#include "data/little_endian.h"

namespace tessera {
namespace algorithm {
namespace {

// The count comes from the file, so only this much is reserved up front; a
// longer list grows as its records are actually read.
constexpr std::uint32_t kMaxReservedRecords = 4096;

[[noreturn]] void corrupted() {
  data::integrity_failure("Excluded areas data corrupted");
}

[[noreturn]] void truncated(const char* file, std::int64_t records_read,
                            std::int64_t count) {
  data::integrity_failure(std::string("Excluded areas data corrupted [the ") +
                          file + " file ends after " +
                          std::to_string(records_read) + " of " +
                          std::to_string(count) + " records]");
}

[[noreturn]] void no_count(const char* file) {
  data::integrity_failure(std::string("Excluded areas data corrupted [the ") +
                          file + " file ends before its record count]");
}

// Reads `size` bytes into `bytes`; false when the stream ends first.
bool read_exactly(std::istream& in, std::uint8_t* bytes, std::size_t size) {
  in.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(size));
  return static_cast<std::size_t>(in.gcount()) == size;
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

std::vector<SmallGridRectangle> read_small_rectangles(std::istream& in) {
  constexpr const char* kName = "small rectangles";
  std::uint8_t count_bytes[kExcludedCountSize];
  if (!read_exactly(in, count_bytes, sizeof count_bytes)) {
    no_count(kName);
  }
  const std::uint32_t count = data::decode_le<std::uint32_t>(count_bytes);
  std::vector<SmallGridRectangle> rectangles;
  rectangles.reserve(std::min(count, kMaxReservedRecords));
  std::uint8_t record[kSmallRectangleRecordSize];
  for (std::uint32_t n = 0; n < count; ++n) {
    if (!read_exactly(in, record, sizeof record)) truncated(kName, n, count);
    const SmallGridRectangle r{field(record, 0), field(record, 1),
                               field(record, 2), field(record, 3),
                               field(record, 4), field(record, 5)};
    if (!is_cell_column(r.cell_x) || !is_cell_row(r.cell_y)) corrupted();
    rectangles.push_back(r);
  }
  return rectangles;
}

std::vector<std::vector<XRange>> read_large_strips(std::istream& in) {
  constexpr const char* kName = "large strips";
  std::uint8_t count_bytes[kExcludedCountSize];
  if (!read_exactly(in, count_bytes, sizeof count_bytes)) {
    no_count(kName);
  }
  const std::int32_t count = data::decode_le<std::int32_t>(count_bytes);
  std::vector<std::vector<XRange>> rows(kCellRows);
  std::uint8_t record[kLargeStripRecordSize];
  for (std::int32_t n = 0; n < count; ++n) {
    if (!read_exactly(in, record, sizeof record)) truncated(kName, n, count);
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

ExcludedAreas read_excluded_areas(std::istream&& small_rectangles,
                                  std::istream&& large_strips) {
  std::vector<SmallGridRectangle> rectangles =
      read_small_rectangles(small_rectangles);
  std::vector<std::vector<XRange>> strips = read_large_strips(large_strips);
  return ExcludedAreas(std::move(rectangles), std::move(strips));
}

}  // namespace algorithm
}  // namespace tessera
