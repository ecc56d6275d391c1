// Bytes written as hexadecimal text, as published test vectors give them.
#ifndef TESSERA_TESTS_TESTING_HEX_H_
#define TESSERA_TESTS_TESTING_HEX_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace test {

// The bytes of `hex`, two digits each (either case); blanks between bytes
// are ignored. Throws std::invalid_argument on any other character or an odd
// number of digits.
std::vector<std::uint8_t> from_hex(const std::string& hex);

// The same bytes as a string, for streams and files.
std::string bytes_from_hex(const std::string& hex);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TESTING_HEX_H_
