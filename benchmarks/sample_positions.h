// The fixed pseudo-random positions the benchmarks cycle through: spread
// over the land of a data set, or over the whole globe.
#ifndef TESSERA_BENCHMARKS_SAMPLE_POSITIONS_H_
#define TESSERA_BENCHMARKS_SAMPLE_POSITIONS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tessera/coordinates.h"

namespace tessera {
namespace bench {

// `count` positions spread evenly over the surface of the sphere (equal
// areas get equal shares), drawn from std::mt19937_64 seeded with `seed`.
// The same seed gives the same positions with the same C library; only the
// arcsine of the latitude may differ in the last bit between libraries.
std::vector<Coordinates> globe_positions(std::size_t count, std::uint64_t seed);

// `count` positions spread evenly over the land of the data directory at
// `data_dir`, drawn as globe_positions draws them. The land is what the
// attractiveness blocks of the data set cover, all but the last block (the
// sea), read from "attractiveness/blocks.data": every square of it is
// equally likely.
//
// Throws FileError when that file is missing or corrupt, as the engine
// would, and std::runtime_error when its blocks hold no cell at all.
std::vector<Coordinates> land_positions(const std::string& data_dir,
                                        std::size_t count, std::uint64_t seed);

}  // namespace bench
}  // namespace tessera

#endif  // TESSERA_BENCHMARKS_SAMPLE_POSITIONS_H_
