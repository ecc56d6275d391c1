#include "mkdata/algorithm/blocks_writer.h"

#include <cstddef>
#include <stdexcept>

#include "algorithm/blocks_format.h"
#include "data/aes.h"
#include "data/data_key.h"
#include "mkdata/byte_writer.h"

namespace tessera {
namespace mkdata {

namespace {

constexpr std::size_t kCipherBlock = 16;

}  // namespace

std::vector<std::uint8_t> write_blocks_data(const BlocksPlan& plan) {
  if (plan.blocks.size() != static_cast<std::size_t>(algorithm::kBlockCount)) {
    throw std::invalid_argument("a blocks plan needs 627 blocks");
  }
  ByteWriter out;
  out.u16(algorithm::kBlockCount);
  for (const PlannedBlock& block : plan.blocks) {
    out.u32(static_cast<std::uint32_t>(block.strips.size()));
    out.u16(0);
    for (const PlannedStrip& strip : block.strips) out.i16(strip.x);
    for (const PlannedStrip& strip : block.strips) out.i16(strip.y);
    for (const PlannedStrip& strip : block.strips) out.i16(strip.count);
  }
  return out.release();
}

std::vector<std::uint8_t> write_block_order(const std::vector<int>& order) {
  if (order.size() != static_cast<std::size_t>(algorithm::kBlockCount)) {
    throw std::invalid_argument("a block order needs 627 entries");
  }
  ByteWriter plain;
  for (int block : order) {
    if (block < 0 || block >= algorithm::kBlockCount) {
      throw std::invalid_argument("a block order entry is not a block");
    }
    plain.i16(static_cast<std::int16_t>(block));
  }
  std::vector<std::uint8_t> bytes = plain.release();
  bytes.resize((bytes.size() + kCipherBlock - 1) / kCipherBlock * kCipherBlock,
               0);

  data::symmetric_key key;
  data::aes_setup(data::kDataKey, &key);
  const std::uint8_t* chain = data::kDataIv;
  for (std::size_t offset = 0; offset < bytes.size(); offset += kCipherBlock) {
    std::uint8_t* block = bytes.data() + offset;
    for (std::size_t i = 0; i < kCipherBlock; ++i) block[i] ^= chain[i];
    data::aes_encrypt_block(key, block, block);
    chain = block;
  }
  return bytes;
}

}  // namespace mkdata
}  // namespace tessera
