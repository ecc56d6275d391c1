#include "data/in_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "tessera/error.h"
#include "testing/hex.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace data {
namespace {

using test::bytes_from_hex;

// A framed file of 41 bytes holding one value of each width after the length.
const std::string kValues = bytes_from_hex(
    "29000000 81 3412 feff 78563412 00000080 0807060504030201 "
    "feffffffffffffff 000000000000f83f");

InMemory load(const std::string& bytes) {
  test::TempDir dir;
  std::ifstream in(dir.write_file("f.data", bytes), std::ios::binary);
  return InMemory(in, ReadFileLengthFromFile{});
}

TEST(InMemory, ReadsLittleEndianValuesAtFileOffsets) {
  const InMemory source = load(kValues);
  ASSERT_EQ(source.size(), 41);
  InMemory::View view(source);
  EXPECT_EQ(view.position(), 0u);
  EXPECT_EQ(view.read_i32(), 41);
  EXPECT_EQ(view.read_u8(), 0x81);
  EXPECT_EQ(view.read_u16(), 0x1234);
  EXPECT_EQ(view.read_i16(), -2);
  EXPECT_EQ(view.read_u32(), 0x12345678u);
  EXPECT_EQ(view.read_i32(), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(view.read_u64(), 0x0102030405060708u);
  EXPECT_EQ(view.read_i64(), -2);
  EXPECT_EQ(view.read_f64(), 1.5);
  EXPECT_EQ(view.position(), 41u);

  view.seek(9);
  EXPECT_EQ(view.read<std::uint32_t>(), 0x12345678u);
  EXPECT_EQ(view.position(), 13u);
}

TEST(InMemory, ViewsHaveTheirOwnPositions) {
  const InMemory source = load(kValues);
  InMemory::View first(source);
  InMemory::View second(source);
  first.seek(4);
  EXPECT_EQ(first.read_u8(), 0x81);
  EXPECT_EQ(second.position(), 0u);
  EXPECT_EQ(second.read_i32(), 41);
}

// Reads a value of `width` bytes.
void read_of_width(InMemory::View& view, int width) {
  switch (width) {
    case 1:
      view.read_u8();
      break;
    case 2:
      view.read_u16();
      break;
    case 4:
      view.read_i32();
      break;
    default:
      view.read_f64();
  }
}

// Near the end, a read succeeds exactly when the value fits; a rejected read
// or seek leaves the position where it was.
TEST(InMemory, RejectsReadsAndSeeksPastTheEnd) {
  const InMemory source = load(kValues);
  InMemory::View view(source);
  for (int left = 0; left <= 8; ++left) {
    for (int width : {1, 2, 4, 8}) {
      SCOPED_TRACE(::testing::Message() << left << " left, width " << width);
      const std::size_t position = source.size() - left;
      view.seek(position);
      if (width > left) {
        EXPECT_THROW(read_of_width(view, width), FileError);
        EXPECT_EQ(view.position(), position);
      } else {
        read_of_width(view, width);
        EXPECT_EQ(view.position(), position + width);
      }
    }
  }
  for (std::uint64_t offset :
       {~std::uint64_t{0}, std::uint64_t{42}, std::uint64_t{0x100000000}}) {
    SCOPED_TRACE(offset);
    EXPECT_THROW(view.seek(offset), FileError);
  }
  view.seek(41);
  char byte;
  EXPECT_THROW(view.read_bytes(&byte, -1), FileError);
  EXPECT_EQ(view.position(), 41u);
}

TEST(InMemory, HoldsBytesMadeInMemory) {
  const InMemory source(std::vector<char>{'\x02', '\x01'});
  InMemory::View view(source);
  EXPECT_EQ(view.read_u16(), 0x0102);
  EXPECT_THROW(InMemory(std::vector<char>(16777217)), FileError);
}

}  // namespace
}  // namespace data
}  // namespace tessera
