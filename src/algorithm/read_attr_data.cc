#include "algorithm/read_attr_data.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "algorithm/blocks_format.h"
#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "data/decrypting_stream.h"
#include "data/integrity.h"
#include "data/little_endian.h"
#include "tessera/error.h"

namespace tessera {
namespace algorithm {

namespace {

const char kCorrupted[] = "Master attractiveness data corrupted";

// Bytes of one strip in each of a block's three arrays.
constexpr std::size_t kStripFieldSize = 2;

}  // namespace

Block read_block(data::ByteReader& in) {
  const std::uint32_t n = in.read_u32();
  in.take(kBlockHeaderBytes - 4, "the block header");
  if (n > kMaxStripsPerBlock) {
    in.fail("an attractiveness block claims " + std::to_string(n) +
            " strips, more than the " + std::to_string(kMaxStripsPerBlock) +
            " a block can hold");
  }
  const std::size_t count =
      data::checked_count(n, 3 * kStripFieldSize, in.remaining(), in.file(),
                          "attractiveness strips");
  const std::uint8_t* xs = in.take(count * kStripFieldSize);
  const std::uint8_t* ys = in.take(count * kStripFieldSize);
  const std::uint8_t* counts = in.take(count * kStripFieldSize);

  Block block;
  block.strips.reserve(count);
  std::int64_t t = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int x = data::decode_le<std::int16_t>(xs + kStripFieldSize * i);
    const int y = data::decode_le<std::int16_t>(ys + kStripFieldSize * i);
    const int cells =
        data::decode_le<std::int16_t>(counts + kStripFieldSize * i);
    if (y < 0 || y >= kCellRows || x < 0 || x >= kCellColumns || cells < 1 ||
        cells > kCellColumns - x) {
      in.fail("attractiveness strip " + std::to_string(i) + " of a block (x " +
              std::to_string(x) + ", y " + std::to_string(y) + ", count " +
              std::to_string(cells) +
              ") is not a run of cells inside one cell row");
    }
    block.strips.push_back(Strip::make(t, x, y));
    // At most 1545 columns times 8640 cells: a 32-bit product.
    t += columns_in_cell_row[y] * cells;
    // Keeps every start inside its 37 bits.
    if (t > kColumnsInGrid) {
      in.fail("an attractiveness block holds more columns than the grid");
    }
  }
  block.total = t;
  return block;
}

std::shared_ptr<const SharedAttrData> read_shared_attr_data(
    const data::FileBytes& file) {
  data::ByteReader in = file.reader();
  if (in.read_u16() != kBlockCount) {
    data::integrity_failure(std::string(kCorrupted) + " [invalid block count]");
  }

  std::vector<Block> blocks;
  blocks.reserve(kBlockCount);
  std::int64_t strips = 0;
  for (int b = 0; b < kBlockCount; ++b) {
    blocks.push_back(read_block(in));
    strips += static_cast<std::int64_t>(blocks.back().strips.size());
    // Fails now what the strip-count check below would fail anyway, so that
    // a file claiming too many strips is not read to its end.
    if (strips > kStripCount) data::integrity_failure(kCorrupted);
  }
  in.expect_end("the last block");

  for (const BlockTotalCheck& check : kBlockTotalChecks) {
    if (blocks[check.block].total != check.total) {
      data::integrity_failure(kCorrupted);
    }
  }
  if (strips != kStripCount) data::integrity_failure(kCorrupted);

  std::shared_ptr<const SharedAttrData> shared;
  try {
    shared = std::make_shared<const SharedAttrData>(std::move(blocks));
  } catch (const InvalidArgumentError& e) {
    // What the blocks must satisfy is checked where they are built; here
    // it is the file that is at fault.
    data::integrity_failure(file.name, e.what());
  }
  const std::vector<StripIndexEntry>& index = shared->strip_index();
  if (index[0].value != kFirstStripIndexEntry ||
      index[1].value != kSecondStripIndexEntry) {
    data::integrity_failure(kCorrupted);
  }
  return shared;
}

AttrData read_attr_data(std::shared_ptr<const SharedAttrData> shared,
                        const data::FileBytes& file) {
  if (file.bytes.size() != static_cast<std::size_t>(kBlockOrderFileSize)) {
    data::integrity_failure(
        file.name, "a block order has " + std::to_string(kBlockOrderFileSize) +
                       " bytes, not " + std::to_string(file.bytes.size()));
  }
  std::istringstream encrypted(
      std::string(file.bytes.begin(), file.bytes.end()));
  data::DecryptingStream plain(encrypted, kBlockOrderBufferSize);
  std::uint8_t bytes[kBlockOrderBytes];
  plain.read(reinterpret_cast<char*>(bytes), kBlockOrderBytes);
  if (plain.gcount() != kBlockOrderBytes) {
    data::integrity_failure(file.name, "the block order ends early");
  }

  std::vector<int> block_order(kBlockCount);
  std::vector<bool> seen(kBlockCount, false);
  for (int i = 0; i < kBlockCount; ++i) {
    const int block = data::decode_le<std::int16_t>(bytes + 2 * i);
    if (block < 0 || block >= kBlockCount || seen[block]) {
      data::integrity_failure(
          file.name,
          "block order entry " + std::to_string(i) + " names block " +
              std::to_string(block) +
              (block < 0 || block >= kBlockCount
                   ? ", outside 0.." + std::to_string(kBlockCount - 1)
                   : ", which an earlier entry names"));
    }
    seen[block] = true;
    block_order[i] = block;
  }
  return AttrData(std::move(shared), std::move(block_order));
}

}  // namespace algorithm
}  // namespace tessera
