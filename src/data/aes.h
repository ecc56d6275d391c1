// AES-128 (FIPS-197), table-driven, one 16-byte block at a time. The block
// files of the data directory are stored CBC-encrypted with it.
#ifndef TESSERA_DATA_AES_H_
#define TESSERA_DATA_AES_H_

#include <cstdint>

namespace tessera {
namespace data {

// The expanded AES-128 key. Both schedules have room for 60 words; AES-128
// uses the first 44 (11 round keys of 4 words).
struct symmetric_key {
  // Round keys 0 to 10 of the key expansion, each word big-endian.
  std::uint32_t encryption_round_keys[60];
  // The round keys of the equivalent inverse cipher: round key 10 first and
  // round key 0 last, with InvMixColumns applied to round keys 1 to 9.
  std::uint32_t decryption_round_keys[60];
};

// Expands the 16 bytes at `key` into `out`: the AES-128 key expansion, with
// the key taken as four big-endian words and the standard round constants.
void aes_setup(const unsigned char* key, symmetric_key* out) noexcept;

// Encrypts the 16 bytes at `in` into the 16 bytes at `out` with 10 rounds.
// `in` and `out` may be the same block.
void aes_encrypt_block(const symmetric_key& key, const unsigned char* in,
                       unsigned char* out) noexcept;

// Decrypts the 16 bytes at `in` into the 16 bytes at `out` with the
// equivalent inverse cipher. `in` and `out` may be the same block.
void aes_decrypt_block(const symmetric_key& key, const unsigned char* in,
                       unsigned char* out) noexcept;

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_AES_H_
