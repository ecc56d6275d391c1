// The readers of the attractiveness data: the shared blocks file and a
// language's encrypted block order. The byte layouts are in
// algorithm/blocks_format.h.
#ifndef TESSERA_ALGORITHM_READ_ATTR_DATA_H_
#define TESSERA_ALGORITHM_READ_ATTR_DATA_H_

#include <istream>
#include <memory>

#include "algorithm/attr_data.h"
#include "algorithm/block.h"
#include "algorithm/shared_attr_data.h"

namespace tessera {
namespace algorithm {

// Reads one block record at the current position of `in` and packs its
// strips, each strip's start being the running column count of the strips
// before it; the block's total is the final count.
//
// Throws FileError with an integrity-failure message when the stream ends
// inside the record, when n exceeds kMaxStripsPerBlock (no allocation is
// made for it), or when a strip is not a run of at least one cell inside
// one cell row of the grid (y in 0..4319, x in 0..8639, count >= 1,
// x + count <= 8640), or when the block holds more columns than the grid.
Block read_block(std::istream& in);

// Reads "attractiveness/blocks.data" from `in`.
//
// Throws FileError with "Integrity failure (data files corrupted): Master
// attractiveness data corrupted [invalid block count]." when the block count
// is not 627, and with "Integrity failure (data files corrupted): Master
// attractiveness data corrupted." when the column totals of blocks 0, 200
// and 626, the number of strips (313,614) or the first two entries of the
// strip index differ from those of the data release the engine is built for.
// Also throws FileError as read_block does, and when the stream ends before
// the block count; a file with too many strips is rejected as soon as it
// has more than 313,614, before reading further.
std::shared_ptr<const SharedAttrData> read_shared_attr_data(std::istream&& in);

// Reads a language's ".block_order" file from `in`, which holds it
// encrypted, through a decrypting stream with a 16,384-byte buffer. A short
// file leaves the missing block numbers 0.
//
// Throws FileError with an integrity-failure message when a block number is
// outside 0..626 (which would misplace every lookup), and
// InvalidArgumentError when `shared` is null.
AttrData read_attr_data(std::shared_ptr<const SharedAttrData> shared,
                        std::istream&& in);

}  // namespace algorithm
}  // namespace tessera

#endif  // TESSERA_ALGORITHM_READ_ATTR_DATA_H_
