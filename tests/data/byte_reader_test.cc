#include "data/byte_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "tessera/error.h"

namespace tessera {
namespace data {
namespace {

using ::testing::HasSubstr;

constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();

std::string error_of(void (*call)()) {
  try {
    call();
  } catch (const FileError& e) {
    return e.what();
  }
  return "(no error)";
}

// The sums that a naive `offset + length > size` would wrap are rejected.
TEST(CheckedEnd, AcceptsExactlyTheRangesInside) {
  const struct {
    std::size_t offset, length, size;
    bool inside;
  } kCases[] = {
      {0, 0, 0, true},           {0, 10, 10, true},
      {10, 0, 10, true},         {3, 7, 10, true},
      {3, 8, 10, false},         {11, 0, 10, false},
      {1, kMax, 10, false},      {kMax, 1, 10, false},
      {kMax, kMax, kMax, false}, {kMax - 1, 1, kMax, true},
      {5, kMax - 5, kMax, true}, {5, kMax - 4, kMax, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message()
                 << c.offset << " + " << c.length << " in " << c.size);
    if (c.inside) {
      EXPECT_EQ(checked_end(c.offset, c.length, c.size, "f", "x"),
                c.offset + c.length);
    } else {
      EXPECT_THROW(checked_end(c.offset, c.length, c.size, "f", "x"),
                   FileError);
    }
  }
}

TEST(CheckedCount, RejectsCountsWhoseBytesWouldWrap) {
  EXPECT_EQ(checked_count(3, 4, 12, "f", "slots"), 3u);
  EXPECT_THROW(checked_count(4, 4, 15, "f", "slots"), FileError);
  // 2^62 entries of 4 bytes make 2^64 bytes: 0 when multiplied naively.
  EXPECT_THROW(checked_count(std::uint64_t{1} << 62, 4, 100, "f", "slots"),
               FileError);
}

TEST(ByteReader, ReportsDamageWithTheFileName) {
  EXPECT_EQ(error_of([] {
              const std::uint8_t bytes[3] = {1, 2, 3};
              ByteReader in(bytes, 3, "index/wordlist_index.data");
              in.seek(1);
              in.read_u32();
            }),
            "Integrity failure (data files corrupted): "
            "index/wordlist_index.data: value (4 bytes at offset 1) pass the "
            "end of its 3 bytes.");
  EXPECT_THAT(error_of([] {
                const std::uint8_t bytes[2] = {};
                ByteReader(bytes, 2, "x.data").seek(3);
              }),
              HasSubstr("x.data: offset 3 lies outside its 2 bytes"));
}

TEST(ByteReader, ReadsTextsUpToTheirTerminator) {
  const std::string bytes("ab\0\0cd", 6);
  ByteReader in(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                bytes.size(), "f");
  EXPECT_EQ(in.read_text('\0'), "ab");
  EXPECT_EQ(in.read_text('\0'), "");
  EXPECT_EQ(in.position(), 4u);
  EXPECT_THROW(in.read_text('\0'), FileError);
  EXPECT_EQ(in.position(), 4u);
  EXPECT_THROW(in.expect_end("the texts"), FileError);
  in.take(2);
  in.expect_end("the texts");
  EXPECT_THROW(in.read_text('\0'), FileError);
}

TEST(ByteReader, EmptyDataHasNothingToRead) {
  ByteReader in(nullptr, 0, "empty");
  EXPECT_THROW(in.read_u8(), FileError);
  EXPECT_THROW(in.read_text('\n'), FileError);
  EXPECT_EQ(in.take(0), nullptr);
  in.expect_end("nothing");
}

}  // namespace
}  // namespace data
}  // namespace tessera
