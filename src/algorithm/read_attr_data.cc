#include "algorithm/read_attr_data.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "algorithm/blocks_format.h"
#include "algorithm/column_table.h"
#include "algorithm/grid_constants.h"
#include "data/decrypting_stream.h"
#include "data/integrity.h"
#include "data/little_endian.h"
#include "data/stream_reading.h"

namespace tessera {
namespace algorithm {

namespace {

const char kCorrupted[] = "Master attractiveness data corrupted";

void read_exactly(std::istream& in, std::uint8_t* out, std::streamsize count,
                  const char* what) {
  in.read(reinterpret_cast<char*>(out), count);
  if (in.gcount() != count) {
    data::integrity_failure(std::string("the attractiveness data ends ") +
                            what);
  }
}

[[noreturn]] void bad_strip(std::size_t strip, int x, int y, int count) {
  data::integrity_failure(
      "attractiveness strip " + std::to_string(strip) + " of a block (x " +
      std::to_string(x) + ", y " + std::to_string(y) + ", count " +
      std::to_string(count) + ") is not a run of cells inside one cell row");
}

}  // namespace

Block read_block(std::istream& in) {
  std::uint8_t header[kBlockHeaderBytes];
  read_exactly(in, header, kBlockHeaderBytes, "inside a block header");
  const std::uint32_t n = data::decode_u32(header);
  if (n > kMaxStripsPerBlock) {
    data::integrity_failure("an attractiveness block claims " +
                            std::to_string(n) + " strips, more than the " +
                            std::to_string(kMaxStripsPerBlock) +
                            " a block can hold");
  }
  const int count = static_cast<int>(n);
  const std::vector<short> xs = data::read_vector<short>(in, count);
  const std::vector<short> ys = data::read_vector<short>(in, count);
  const std::vector<short> counts = data::read_vector<short>(in, count);

  Block block;
  block.strips.reserve(n);
  std::int64_t t = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const int x = xs[i];
    const int y = ys[i];
    const int cells = counts[i];
    if (y < 0 || y >= kCellRows || x < 0 || x >= kCellColumns || cells < 1 ||
        cells > kCellColumns - x) {
      bad_strip(i, x, y, cells);
    }
    block.strips.push_back(Strip::make(t, x, y));
    // At most 1545 columns times 8640 cells: a 32-bit product.
    t += columns_in_cell_row[y] * cells;
    // Keeps every start inside its 37 bits.
    if (t > kColumnsInGrid) {
      data::integrity_failure(
          "an attractiveness block holds more columns than the grid");
    }
  }
  block.total = t;
  return block;
}

std::shared_ptr<const SharedAttrData> read_shared_attr_data(std::istream&& in) {
  std::uint8_t count_bytes[2];
  read_exactly(in, count_bytes, 2, "before its block count");
  if (data::decode_u16(count_bytes) != kBlockCount) {
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

  for (const BlockTotalCheck& check : kBlockTotalChecks) {
    if (blocks[check.block].total != check.total) {
      data::integrity_failure(kCorrupted);
    }
  }
  if (strips != kStripCount) data::integrity_failure(kCorrupted);

  auto shared = std::make_shared<const SharedAttrData>(std::move(blocks));
  const std::vector<StripIndexEntry>& index = shared->strip_index();
  if (index[0].value != kFirstStripIndexEntry ||
      index[1].value != kSecondStripIndexEntry) {
    data::integrity_failure(kCorrupted);
  }
  return shared;
}

AttrData read_attr_data(std::shared_ptr<const SharedAttrData> shared,
                        std::istream&& in) {
  data::DecryptingStream plain(in, kBlockOrderBufferSize);
  // Whatever a short file does not supply stays zero.
  std::uint8_t bytes[kBlockOrderBytes] = {};
  plain.read(reinterpret_cast<char*>(bytes), kBlockOrderBytes);

  std::vector<int> block_order(kBlockCount);
  for (int i = 0; i < kBlockCount; ++i) {
    const int block = data::decode_le<std::int16_t>(bytes + 2 * i);
    if (block < 0 || block >= kBlockCount) {
      data::integrity_failure("block order entry " + std::to_string(i) +
                              " names block " + std::to_string(block) +
                              ", outside 0.." +
                              std::to_string(kBlockCount - 1));
    }
    block_order[i] = block;
  }
  return AttrData(std::move(shared), std::move(block_order));
}

}  // namespace algorithm
}  // namespace tessera
