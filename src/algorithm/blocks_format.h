// The byte layout and fixed values of the attractiveness data, shared by its
// reader and by the data builder's writer.
//
// "attractiveness/blocks.data" is read from a plain stream: no length word,
// no encryption. All integers are little-endian, with nothing between fields:
//
//   u16            block count, always kBlockCount
//   per block, in block-number order:
//     u32          n, the number of strips
//     2 bytes      ignored (written as zeros)
//     n x i16      x of each strip: the cell column of its westernmost cell
//     n x i16      y of each strip: its cell row
//     n x i16      count of each strip: how many consecutive cells it holds
//
// A strip's first column is counted from the start of its block: the columns
// of the strips before it in the block, each strip holding
// count * columns_in_cell_row[y] columns.
//
// A language's ".block_order" file holds kBlockCount i16 block numbers, the
// order in which the language takes the blocks, encrypted with AES-128-CBC
// and zero-padded to whole 16-byte blocks.
#ifndef TESSERA_ALGORITHM_BLOCKS_FORMAT_H_
#define TESSERA_ALGORITHM_BLOCKS_FORMAT_H_

#include <cstdint>
#include <string>

#include "algorithm/grid_constants.h"
#include "data/language_files.h"

namespace tessera {
namespace algorithm {

inline constexpr char kBlocksFileName[] = "attractiveness/blocks.data";
inline constexpr char kBlockOrderExtension[] = ".block_order";

// The block order of the language `code`:
// "languages/<code>/<code>.block_order".
inline std::string block_order_file_name(const std::string& code) {
  return data::language_file_name(code, kBlockOrderExtension);
}

inline constexpr int kBlockCount = 627;
// Bytes of one block record before its three arrays: n and the ignored pair.
inline constexpr int kBlockHeaderBytes = 6;

// The data release these readers accept is identified by these values: the
// column totals of three blocks, the number of strips, and the first two
// entries of the strip index.
struct BlockTotalCheck {
  int block;
  std::int64_t total;
};
inline constexpr BlockTotalCheck kBlockTotalChecks[] = {
    {0, 1248}, {200, 715646}, {626, 26700737621}};
inline constexpr std::int64_t kStripCount = 313614;
inline constexpr std::int64_t kFirstStripIndexEntry = 164146434;
inline constexpr std::int64_t kSecondStripIndexEntry = 4398210280705;

// Columns of the whole grid: kCellColumns * (sum of columns_in_cell_row).
// No block can hold more.
inline constexpr std::int64_t kColumnsInGrid = 36716924160;
static_assert(kColumnsInGrid * kRowsPerCell == kSquaresInGrid,
              "columns and squares of the grid disagree");

// A strip packs into one signed 64-bit value:
// start * 2^27 + x * 2^13 + y, with y in bits 0-12, x in bits 13-26 and the
// block-relative first column `start` in bits 27-63. Ordering the values of
// one block orders its strips by start.
inline constexpr int kStripXShift = 13;
inline constexpr int kStripStartShift = 27;

// Requires: 0 <= x < 2^14, 0 <= y < 2^13, 0 <= start < 2^36.
constexpr std::int64_t pack_strip(std::int64_t start, std::int32_t x,
                                  std::int32_t y) noexcept {
  return start * (std::int64_t{1} << kStripStartShift) +
         std::int64_t{x} * (std::int64_t{1} << kStripXShift) + y;
}
constexpr std::int32_t strip_y(std::int64_t packed) noexcept {
  return static_cast<std::int32_t>(packed & 0x1FFF);
}
constexpr std::int32_t strip_x(std::int64_t packed) noexcept {
  return static_cast<std::int32_t>((packed >> kStripXShift) & 0x3FFF);
}
constexpr std::int64_t strip_start(std::int64_t packed) noexcept {
  return packed >> kStripStartShift;
}

// A strip-index entry packs into one signed 64-bit value:
// y * 2^42 + x * 2^28 + block * 2^18 + strip, so that ordering the values
// orders the entries by (y, x, block, strip). The strip number has 18 bits,
// so a block holds at most kMaxStripsPerBlock strips; the block number has 10.
inline constexpr int kIndexBlockShift = 18;
inline constexpr int kIndexXShift = 28;
inline constexpr int kIndexYShift = 42;
inline constexpr std::int64_t kMaxStripsPerBlock = std::int64_t{1}
                                                   << kIndexBlockShift;
inline constexpr int kMaxBlocks = 1 << (kIndexXShift - kIndexBlockShift);

// Requires: 0 <= y < 2^13, 0 <= x < 2^14, 0 <= block < kMaxBlocks,
// 0 <= strip < kMaxStripsPerBlock.
constexpr std::int64_t pack_index_entry(std::int32_t y, std::int32_t x,
                                        std::int32_t block,
                                        std::int64_t strip) noexcept {
  return std::int64_t{y} << kIndexYShift | std::int64_t{x} << kIndexXShift |
         std::int64_t{block} << kIndexBlockShift | strip;
}
constexpr std::int32_t index_entry_y(std::int64_t packed) noexcept {
  return static_cast<std::int32_t>((packed >> kIndexYShift) & 0x1FFF);
}
constexpr std::int32_t index_entry_x(std::int64_t packed) noexcept {
  return static_cast<std::int32_t>((packed >> kIndexXShift) & 0x3FFF);
}
constexpr std::int32_t index_entry_block(std::int64_t packed) noexcept {
  return static_cast<std::int32_t>((packed >> kIndexBlockShift) & 0x3FF);
}
constexpr std::int32_t index_entry_strip(std::int64_t packed) noexcept {
  return static_cast<std::int32_t>(packed & (kMaxStripsPerBlock - 1));
}

// The block order is read through a decrypting stream with this buffer, and
// is kBlockOrderBytes of plaintext.
inline constexpr int kBlockOrderBufferSize = 16384;
inline constexpr int kBlockOrderBytes = kBlockCount * 2;
// A complete block order file: its plaintext padded to whole 16-byte blocks.
inline constexpr int kBlockOrderFileSize = (kBlockOrderBytes + 15) / 16 * 16;
// The size of the blocks file of the data release: the count, every block's
// header and 6 bytes for each strip.
inline constexpr std::int64_t kBlocksFileSize =
    2 + kBlockHeaderBytes * kBlockCount + 6 * kStripCount;

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_BLOCKS_FORMAT_H_
