// The readers of the attractiveness data: the shared blocks file and a
// language's encrypted block order. The byte layouts are in
// algorithm/blocks_format.h.
#ifndef TESSERA_ALGORITHM_READ_ATTR_DATA_H_
#define TESSERA_ALGORITHM_READ_ATTR_DATA_H_

#include <memory>

#include "algorithm/attr_data.h"
#include "algorithm/block.h"
#include "algorithm/shared_attr_data.h"
#include "data/byte_reader.h"
#include "data/file_bytes.h"

namespace tessera {
namespace algorithm {

// Reads one block record at the reader's position and packs its strips,
// each strip's start being the running column count of the strips before
// it; the block's total is the final count.
//
// Throws FileError with an integrity-failure message naming the file when
// the data ends inside the record, when n exceeds kMaxStripsPerBlock or the
// bytes left (no allocation is made for it), or when a strip is not a run
// of at least one cell inside one cell row of the grid (y in 0..4319, x in
// 0..8639, count >= 1, x + count <= 8640), or when the block holds more
// columns than the grid.
Block read_block(data::ByteReader& in);

// Reads "attractiveness/blocks.data" from its bytes.
//
// Throws FileError with "Integrity failure (data files corrupted): Master
// attractiveness data corrupted [invalid block count]." when the block count
// is not 627, and with "Integrity failure (data files corrupted): Master
// attractiveness data corrupted." when the column totals of blocks 0, 200
// and 626, the number of strips (313,614) or the first two entries of the
// strip index differ from those of the data release the engine is built for.
// Also throws FileError as read_block does, when the file ends before the
// block count or has bytes after the last block, and when the strips of a
// block overlap or run past their cell row.
std::shared_ptr<const SharedAttrData> read_shared_attr_data(
    const data::FileBytes& file);

// Reads a language's ".block_order" file from its bytes, which hold it
// encrypted, through a decrypting stream with a 16,384-byte buffer.
//
// Throws FileError with an integrity-failure message naming the file unless
// the file has exactly kBlockOrderFileSize bytes and its 627 block numbers
// are a permutation of 0..626 (every block exactly once): a short, long or
// damaged block order would move addresses silently.
AttrData read_attr_data(std::shared_ptr<const SharedAttrData> shared,
                        const data::FileBytes& file);

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_READ_ATTR_DATA_H_
