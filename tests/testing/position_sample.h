// Fixed pseudo-random positions for tests that compare many answers, drawn
// from one std::mt19937_64 so that a test can draw several kinds of sample in
// turn from one seed. The same seed gives the same positions on every host:
// only raw draws are used, never the standard distributions, whose results
// may differ between libraries.
#ifndef TESSERA_TESTS_TESTING_POSITION_SAMPLE_H_
#define TESSERA_TESTS_TESTING_POSITION_SAMPLE_H_

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "tessera/coordinates.h"

namespace tessera {
namespace test {

// A uniform double in [0, 1) from the top 53 bits of one draw.
double unit_interval(std::mt19937_64& random);

// Appends `count` positions uniform in latitude and in longitude over the
// whole globe (not uniform in area), two draws each.
void add_globe_positions(std::mt19937_64& random, std::size_t count,
                         std::vector<Coordinates>* positions);

// Appends `count` positions uniform over the squares of the land of the
// data directory `data_dir`: every strip of every attractiveness block but
// the last, which is the sea, read from "attractiveness/blocks.data". Three
// draws each. Appends nothing when the blocks hold no land.
//
// Throws FileError when that file is missing or corrupt, as the engine
// would.
void add_land_positions(const std::string& data_dir, std::mt19937_64& random,
                        std::size_t count, std::vector<Coordinates>* positions);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TESTING_POSITION_SAMPLE_H_
