#include "algorithm/excluded_areas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "algorithm/column_table.h"
#include "tessera/error.h"
#include "testing/data_files.h"

namespace tessera {
namespace algorithm {
namespace {

const char kCorrupted[] =
    "Integrity failure (data files corrupted): Excluded areas data corrupted.";

// The little-endian bytes of `values`, four per value.
std::string le32(std::initializer_list<std::int64_t> values) {
  std::string bytes;
  for (const std::int64_t v : values) {
    for (int i = 0; i < 4; ++i) {
      bytes.push_back(
          static_cast<char>((static_cast<std::uint64_t>(v) >> (8 * i)) & 0xFF));
    }
  }
  return bytes;
}

ExcludedAreas read(const std::string& small, const std::string& large) {
  return read_excluded_areas(test::file_bytes(small), test::file_bytes(large));
}

const std::string kNoStrips = le32({0});
const std::string kNoRectangles = le32({0});

// Whether reading throws FileError with exactly `message`.
void expect_file_error(const std::string& small, const std::string& large,
                       const std::string& message) {
  try {
    read(small, large);
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), message);
  }
}

TEST(ExcludedAreas, ReadsBothFilesInOrder) {
  const ExcludedAreas areas =
      read(le32({2, 8639, 4319, 0, 0, 0, 1545,  //
                 1, 2, 3, 4, 5, 6}),
           le32({3, 100, 10, 20, 0, 8639, 0, 100, 30, 25}));
  EXPECT_EQ(areas.small_rectangles(),
            (std::vector<SmallGridRectangle>{{8639, 4319, 0, 0, 0, 1545},
                                             {1, 2, 3, 4, 5, 6}}));
  ASSERT_EQ(areas.large_strips().size(), 4320u);
  EXPECT_EQ(areas.large_strips()[100],
            (std::vector<XRange>{{10, 20}, {30, 25}}));
  EXPECT_EQ(areas.large_strips()[0], (std::vector<XRange>{{8639, 0}}));
}

TEST(ExcludedAreas, RejectsCellsOutsideTheGrid) {
  const struct {
    const char* what;
    std::string small, large;
    bool valid;
  } kCases[] = {
      {"cell_x 8639", le32({1, 8639, 0, 0, 0, 0, 0}), kNoStrips, true},
      {"cell_x 8640", le32({1, 8640, 0, 0, 0, 0, 0}), kNoStrips, false},
      {"cell_x -1", le32({1, -1, 0, 0, 0, 0, 0}), kNoStrips, false},
      {"cell_y 4319", le32({1, 0, 4319, 0, 0, 0, 0}), kNoStrips, true},
      {"cell_y 4320", le32({1, 0, 4320, 0, 0, 0, 0}), kNoStrips, false},
      {"cell_y -1", le32({1, 0, -1, 0, 0, 0, 0}), kNoStrips, false},
      {"second rectangle", le32({2, 0, 0, 0, 0, 0, 0, 0, 5000, 0, 0, 0, 0}),
       kNoStrips, false},
      {"row 4319", kNoRectangles, le32({1, 4319, 8639, 8639}), true},
      {"row 4320", kNoRectangles, le32({1, 4320, 0, 0}), false},
      {"row -1", kNoRectangles, le32({1, -1, 0, 0}), false},
      {"from 8640", kNoRectangles, le32({1, 0, 8640, 0}), false},
      {"to 8640", kNoRectangles, le32({1, 0, 0, 8640}), false},
      {"to -1", kNoRectangles, le32({1, 0, 0, -1}), false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    if (c.valid) {
      EXPECT_NO_THROW(read(c.small, c.large));
    } else {
      expect_file_error(c.small, c.large, kCorrupted);
    }
  }
}

// A count below 1 means no strips, so nothing may follow it: a damaged
// count (0x80000000) must not silently drop the strips after it.
TEST(ExcludedAreas, StripCountBelowOneMeansNone) {
  for (const std::int64_t count : {0, -5, -2147483647 - 1}) {
    SCOPED_TRACE(count);
    const ExcludedAreas areas = read(kNoRectangles, le32({count}));
    ASSERT_EQ(areas.large_strips().size(), 4320u);
    for (const auto& row : areas.large_strips()) EXPECT_TRUE(row.empty());
    EXPECT_THROW(read(kNoRectangles, le32({count, 100, 10, 20})), FileError);
  }
}

// Every shorter prefix of either file is rejected, whatever its length, and
// so is a byte after the last record.
TEST(ExcludedAreas, FilesMustEndWhereTheirCountsSay) {
  const std::string small = le32({2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  const std::string large = le32({2, 1, 2, 3, 4, 5, 6});
  ASSERT_NO_THROW(read(small, large));
  for (std::size_t n = 0; n < small.size(); ++n) {
    SCOPED_TRACE(testing::Message() << "small rectangles cut to " << n);
    EXPECT_THROW(read(small.substr(0, n), large), FileError);
  }
  for (std::size_t n = 0; n < large.size(); ++n) {
    SCOPED_TRACE(testing::Message() << "large strips cut to " << n);
    EXPECT_THROW(read(small, large.substr(0, n)), FileError);
  }
  EXPECT_THROW(read(small + '\0', large), FileError);
  EXPECT_THROW(read(small, large + '\0'), FileError);
  // A count far beyond the data is refused before anything is read.
  expect_file_error(le32({0xFFFFFFFF, 1, 2, 3, 4, 5, 6}), large,
                    "Integrity failure (data files corrupted): test.data: "
                    "Excluded areas data corrupted [the count says 4294967295 "
                    "records of 24 bytes, but 24 bytes follow it].");
}

TEST(ExcludedAreas, IsExcluded) {
  const std::int32_t cols_100 = columns_in_cell_row[100];
  const ExcludedAreas areas({{50, 60, 3, 7, 9, 1000}}, [] {
    std::vector<std::vector<XRange>> strips(4320);
    strips[100] = {{10, 20}};
    return strips;
  }());
  const struct {
    GridSquare square;
    bool excluded;
  } kCases[] = {
      {{50, 60, 3, 7, 0}, true},      // south-west corner
      {{50, 60, 9, 1000, 0}, true},   // north-east corner
      {{50, 60, 9, 1001, 0}, false},  // just north of it
      {{50, 60, 10, 1000, 0}, false},
      {{50, 60, 2, 500, 0}, false},
      {{50, 60, 5, 6, 0}, false},
      {{51, 60, 5, 500, 0}, false},
      {{50, 61, 5, 500, 0}, false},
      {{10, 100, 0, 0, cols_100}, true},
      {{10, 100, cols_100 - 1, 1545, cols_100}, true},
      {{20, 100, cols_100 - 1, 1545, cols_100}, true},
      {{15, 100, 40, 700, cols_100}, true},
      {{9, 100, cols_100 - 1, 0, cols_100}, false},
      {{21, 100, 0, 0, cols_100}, false},
      {{15, 101, 0, 0, 0}, false},
      {{15, 99, 0, 0, 0}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message()
                 << c.square.cell_x << " " << c.square.cell_y << " "
                 << c.square.col << " " << c.square.row);
    EXPECT_EQ(areas.is_excluded(c.square), c.excluded);
  }

  // Without a list per cell row only the rectangles count.
  const ExcludedAreas rectangles_only({{0, 4319, 0, 0, 0, 0}}, {});
  EXPECT_TRUE(rectangles_only.is_excluded({0, 4319, 0, 0, 1}));
  EXPECT_FALSE(rectangles_only.is_excluded({0, 4319, 0, 1, 1}));
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
