// Bob Jenkins' 1996 hash function (lookup2), the hash of the word index.
#ifndef TESSERA_WORDLIST_JENKINS_HASH_H_
#define TESSERA_WORDLIST_JENKINS_HASH_H_

#include <cstdint>
#include <string>

namespace tessera {
namespace wordlist {

// The lookup2 hash of the `length` bytes at `data`, started from `seed`.
// Bytes are taken in 12-byte blocks, each read as three little-endian 32-bit
// words, so the result is the same on every host. All arithmetic wraps
// modulo 2^32. Requires: `data` points at `length` readable bytes (it may be
// null when `length` is 0). Pure and thread-safe.
std::uint32_t jenkins_hash(const unsigned char* data, unsigned length,
                           unsigned seed) noexcept;

// The hash of the bytes of `s`.
std::uint32_t jenkins_hash(const std::string& s, unsigned seed) noexcept;

// The hash of the code units of `s` taken as 2 * s.size() bytes, each unit
// low byte first.
std::uint32_t jenkins_hash(const std::u16string& s, unsigned seed) noexcept;

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_JENKINS_HASH_H_
