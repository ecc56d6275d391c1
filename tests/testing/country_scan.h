// Compares the country finder's answers with a plain scan of every outline
// in file order, the way the finder answered before it had an index.
#ifndef TESSERA_TESTS_TESTING_COUNTRY_SCAN_H_
#define TESSERA_TESTS_TESTING_COUNTRY_SCAN_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessera {
namespace test {

// Loads a country finder from `countries` (the bytes of a countries file)
// and adds a GoogleTest failure for every position where country_of, or
// is_point_in with a set of one, two or no countries and with "ZZ", differs
// from the full scan. The positions: `random_count` drawn with a fixed seed
// (half uniform over the globe, half next to the outlines' vertices), and
// every vertex of every arc, exactly and, with `nudge`, moved by one unit
// in the last place in each of the eight directions; positions beyond a
// pole are left out. Returns the number of positions compared.
std::size_t compare_country_index_with_full_scan(
    const std::vector<std::uint8_t>& countries, std::size_t random_count,
    bool nudge);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TESTING_COUNTRY_SCAN_H_
