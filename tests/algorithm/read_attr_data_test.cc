#include "algorithm/read_attr_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "algorithm/blocks_format.h"
#include "data/aes.h"
#include "data/data_key.h"
#include "mkdata/algorithm/attr_test_fixture.h"
#include "mkdata/algorithm/blocks_plan.h"
#include "mkdata/algorithm/blocks_writer.h"
#include "tessera/error.h"
#include "testing/data_files.h"

namespace tessera {
namespace algorithm {
namespace {

using testing::HasSubstr;

const char kCorrupted[] =
    "Integrity failure (data files corrupted): Master attractiveness data "
    "corrupted.";

struct RawStrip {
  int x, y, count;
};

void put16(std::string* out, int v) {
  out->push_back(static_cast<char>(v & 0xFF));
  out->push_back(static_cast<char>((v >> 8) & 0xFF));
}

// One block record, laid out by hand; the ignored pair is not zero.
std::string block_record(const std::vector<RawStrip>& strips) {
  std::string out;
  const std::uint32_t n = static_cast<std::uint32_t>(strips.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(n >> (8 * i)));
  out += "\xAB\xCD";
  for (const RawStrip& s : strips) put16(&out, s.x);
  for (const RawStrip& s : strips) put16(&out, s.y);
  for (const RawStrip& s : strips) put16(&out, s.count);
  return out;
}

// A blocks file whose block 0 holds `block0` and whose 626 other blocks are
// empty.
std::string blocks_file(const std::vector<RawStrip>& block0,
                        int block_count = kBlockCount) {
  std::string out;
  put16(&out, block_count);
  out += block_record(block0);
  for (int b = 1; b < kBlockCount; ++b) out += block_record({});
  return out;
}

std::string message_of_loading(const std::string& bytes) {
  try {
    read_shared_attr_data(test::file_bytes(bytes));
  } catch (const FileError& e) {
    return e.what();
  }
  return "loaded";
}

TEST(ReadAttrData, ReadBlockPacksRunningStarts) {
  const data::FileBytes file =
      test::file_bytes(block_record({{4320, 2160, 2}, {10, 100, 1}}));
  data::ByteReader in = file.reader();
  const Block block = read_block(in);
  ASSERT_EQ(block.strips.size(), 2u);
  // Row 2160 has 1545 columns per cell, row 100 has 112.
  EXPECT_EQ(block.strips[0].value, Strip::make(0, 4320, 2160).value);
  EXPECT_EQ(block.strips[1].value, Strip::make(3090, 10, 100).value);
  EXPECT_EQ(block.strips[1].value, 3090 * 134217728LL + 10 * 8192 + 100);
  EXPECT_EQ(block.total, 3202);
}

TEST(ReadAttrData, LoadsTheBuiltWorld) {
  const test::ProceduralAttr& world = test::procedural_attr();
  const SharedAttrData& shared = *world.shared;
  ASSERT_EQ(shared.blocks().size(), 627u);
  EXPECT_EQ(shared.blocks()[0].total, 1248);
  EXPECT_EQ(shared.blocks()[200].total, 715646);
  EXPECT_EQ(shared.blocks()[626].total, 26700737621);
  ASSERT_EQ(shared.strip_index().size(), 313614u);
  EXPECT_EQ(shared.strip_index()[0].value, 164146434);
  EXPECT_EQ(shared.strip_index()[1].value, 4398210280705);
}

TEST(ReadAttrData, RejectsOtherBlockCounts) {
  for (int count : {626, 628, 0}) {
    SCOPED_TRACE(count);
    EXPECT_EQ(message_of_loading(blocks_file({}, count)),
              "Integrity failure (data files corrupted): Master "
              "attractiveness data corrupted [invalid block count].");
  }
}

TEST(ReadAttrData, RejectsABlockZeroTotalOf1249) {
  // 1249 one-column cells of row 4318.
  EXPECT_EQ(message_of_loading(blocks_file({{0, 4318, 1249}})), kCorrupted);
}

// Another release has cell (1, 0) in the sea block, as its strip 44,289, so
// that the second index entry is 4,398,210,657,537. Built from the world by
// moving that cell there (the strip it displaces goes to the end), and
// taking a one-column cell out of the sea to keep the sea's total and the
// strip count.
TEST(ReadAttrData, RejectsTheSecondIndexEntryOfAnotherRelease) {
  mkdata::BlocksPlan plan = test::procedural_attr().data.plan;
  std::vector<mkdata::PlannedStrip>& polar = plan.blocks[624].strips;
  std::vector<mkdata::PlannedStrip>& sea = plan.blocks[626].strips;
  ASSERT_EQ(polar.back(), (mkdata::PlannedStrip{0, 1, 1}));
  polar.pop_back();
  sea.push_back(sea[44289]);
  sea[44289] = mkdata::PlannedStrip{0, 1, 1};
  auto one_column = std::find_if(sea.begin(), sea.end(), [](const auto& s) {
    return s.y == 4319 && s.count > 1;
  });
  ASSERT_NE(one_column, sea.end());
  --one_column->count;
  const std::string bytes = test::as_string(mkdata::write_blocks_data(plan));

  const data::FileBytes file = test::file_bytes(bytes.substr(2));
  data::ByteReader in = file.reader();
  std::vector<Block> blocks;
  for (int b = 0; b < kBlockCount; ++b) blocks.push_back(read_block(in));
  EXPECT_EQ(blocks[626].total, 26700737621);
  const SharedAttrData patched(std::move(blocks));
  EXPECT_EQ(patched.strip_index()[0].value, 164146434);
  EXPECT_EQ(patched.strip_index()[1].value, 4398210657537);

  EXPECT_EQ(message_of_loading(bytes), kCorrupted);
}

TEST(ReadAttrData, RejectsEveryTruncation) {
  const std::string bytes = blocks_file({{4320, 2160, 2}, {10, 100, 1}});
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    EXPECT_THAT(
        message_of_loading(bytes.substr(0, length)),
        HasSubstr("Integrity failure (data files corrupted): test.data: "));
  }
  // A real file cut inside the sea block's arrays, and one with a byte to
  // spare.
  const std::string world =
      test::as_string(test::procedural_attr().blocks_data);
  EXPECT_THAT(message_of_loading(world.substr(0, world.size() - 1000)),
              HasSubstr("do not fit"));
  EXPECT_THAT(message_of_loading(world + '\0'),
              HasSubstr("1 bytes follow the last block"));
}

TEST(ReadAttrData, RejectsStripsOutsideOneCellRow) {
  const RawStrip kCases[] = {{0, 4320, 1},  {0, -1, 1}, {8640, 0, 1},
                             {-1, 0, 1},    {0, 0, 0},  {0, 0, -1},
                             {8000, 5, 641}};
  for (const RawStrip& s : kCases) {
    SCOPED_TRACE(testing::Message() << s.x << ", " << s.y << ", " << s.count);
    EXPECT_THAT(message_of_loading(blocks_file({s})),
                HasSubstr("is not a run of cells inside one cell row"));
  }
  // The last cell of the grid is fine; the file then fails on its total.
  EXPECT_EQ(message_of_loading(blocks_file({{8639, 4319, 1}})), kCorrupted);
}

TEST(ReadAttrData, RejectsBlocksLargerThanTheGrid) {
  // Whole equator rows: 2751 of them hold more than the grid's columns.
  const std::vector<RawStrip> rows(2751, RawStrip{0, 2160, 8640});
  EXPECT_THAT(message_of_loading(blocks_file(rows)),
              HasSubstr("holds more columns than the grid"));
  EXPECT_EQ(message_of_loading(blocks_file(
                std::vector<RawStrip>(2750, RawStrip{0, 2160, 8640}))),
            kCorrupted);
}

TEST(ReadAttrData, RejectsStripCountsNoBlockCanHold) {
  std::string bytes;
  put16(&bytes, kBlockCount);
  // n = 2^32 - 1 and the ignored pair; no strips follow.
  bytes += std::string("\xFF\xFF\xFF\xFF\0\0", 6);
  EXPECT_THAT(message_of_loading(bytes), HasSubstr("claims 4294967295"));
}

// The block order's ciphertext, made here with the AES block cipher and the
// data files' key and initialisation vector.
std::string encrypted(const std::vector<int>& values) {
  std::string plain;
  for (int v : values) put16(&plain, v);
  plain.resize((plain.size() + 15) / 16 * 16, '\0');
  data::symmetric_key key;
  data::aes_setup(data::kDataKey, &key);
  unsigned char chain[16];
  std::copy(data::kDataIv, data::kDataIv + 16, chain);
  std::string out;
  for (std::size_t offset = 0; offset < plain.size(); offset += 16) {
    unsigned char block[16];
    for (int i = 0; i < 16; ++i) {
      block[i] = static_cast<unsigned char>(plain[offset + i]) ^ chain[i];
    }
    data::aes_encrypt_block(key, block, chain);
    out.append(reinterpret_cast<const char*>(chain), 16);
  }
  return out;
}

TEST(ReadAttrData, ReadsTheEncryptedBlockOrder) {
  std::vector<int> order(kBlockCount);
  for (int i = 0; i < kBlockCount; ++i) order[i] = kBlockCount - 1 - i;
  const AttrData attr = read_attr_data(test::procedural_attr().shared,
                                       test::file_bytes(encrypted(order)));
  EXPECT_EQ(attr.block_order(), order);
}

std::vector<int> identity_order() {
  std::vector<int> order(kBlockCount);
  for (int i = 0; i < kBlockCount; ++i) order[i] = i;
  return order;
}

std::string message_of_reading_order(const std::string& bytes) {
  try {
    read_attr_data(test::procedural_attr().shared, test::file_bytes(bytes));
  } catch (const FileError& e) {
    return e.what();
  }
  return "(accepted)";
}

// A block order that is cut short, too long, or names a block twice would
// move addresses silently; each is refused.
TEST(ReadAttrData, RejectsIncompleteOrRepeatedBlockOrders) {
  const std::string whole = encrypted(identity_order());
  ASSERT_EQ(whole.size(), 1264u);
  for (std::size_t length : {0u, 3u, 4u, 8u, 16u, 632u, 1248u, 1263u}) {
    SCOPED_TRACE(length);
    EXPECT_THAT(message_of_reading_order(whole.substr(0, length)),
                HasSubstr("a block order has 1264 bytes, not " +
                          std::to_string(length)));
  }
  EXPECT_THAT(message_of_reading_order(whole + std::string(16, '\0')),
              HasSubstr("not 1280"));

  std::vector<int> repeated = identity_order();
  repeated[400] = 7;
  EXPECT_THAT(message_of_reading_order(encrypted(repeated)),
              HasSubstr("block order entry 400 names block 7, which an earlier "
                        "entry names"));
  // One flipped bit of ciphertext garbles a whole block of plaintext.
  std::string flipped = whole;
  flipped[100] = static_cast<char>(flipped[100] ^ 1);
  EXPECT_THAT(message_of_reading_order(flipped),
              HasSubstr("block order entry"));
}

TEST(ReadAttrData, RejectsBlockNumbersOutsideTheBlocks) {
  for (int bad : {627, -1, 32767}) {
    SCOPED_TRACE(bad);
    std::vector<int> order = identity_order();
    order[3] = bad;
    EXPECT_THAT(message_of_reading_order(encrypted(order)),
                HasSubstr("block order entry 3 names block " +
                          std::to_string(bad) + ", outside 0..626"));
  }
}

}  // namespace
}  // namespace algorithm
}  // namespace tessera
