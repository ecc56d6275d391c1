#include "data/aes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "testing/hex.h"

namespace tessera {
namespace data {
namespace {

using test::from_hex;

symmetric_key expand(const std::string& key_hex) {
  const std::vector<std::uint8_t> key = from_hex(key_hex);
  symmetric_key expanded;
  aes_setup(key.data(), &expanded);
  return expanded;
}

// FIPS-197 Appendix A.1: the expansion of the key 2b7e1516 28aed2a6 abf71588
// 09cf4f3c.
TEST(Aes, KeyExpansionMatchesFips197AppendixA1) {
  const symmetric_key key = expand("2b7e151628aed2a6abf7158809cf4f3c");
  const std::uint32_t* ek = key.encryption_round_keys;
  EXPECT_EQ(ek[0], 0x2b7e1516u);
  EXPECT_EQ(ek[4], 0xa0fafe17u);
  EXPECT_EQ(ek[5], 0x88542cb1u);
  EXPECT_EQ(ek[6], 0x23a33939u);
  EXPECT_EQ(ek[7], 0x2a6c7605u);
  EXPECT_EQ(ek[23], 0x11f915bcu);
  EXPECT_EQ(ek[40], 0xd014f9a8u);
  EXPECT_EQ(ek[43], 0xb6630ca6u);

  // The inverse cipher starts with the last round key and ends with the
  // first; the keys between are transformed.
  const std::uint32_t* dk = key.decryption_round_keys;
  EXPECT_EQ(dk[0], 0xd014f9a8u);
  EXPECT_EQ(dk[3], 0xb6630ca6u);
  EXPECT_EQ(dk[40], 0x2b7e1516u);
  EXPECT_EQ(dk[43], 0x09cf4f3cu);
}

// FIPS-197 Appendix B and Appendix C.1.
TEST(Aes, BlockMatchesFips197Vectors) {
  const struct {
    const char* key;
    const char* plaintext;
    const char* ciphertext;
  } kCases[] = {
      {"2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734",
       "3925841d02dc09fbdc118597196a0b32"},
      {"000102030405060708090a0b0c0d0e0f", "00112233445566778899aabbccddeeff",
       "69c4e0d86a7b0430d8cdb78070b4c55a"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.key);
    const symmetric_key key = expand(c.key);
    const std::vector<std::uint8_t> plaintext = from_hex(c.plaintext);
    const std::vector<std::uint8_t> ciphertext = from_hex(c.ciphertext);

    std::vector<std::uint8_t> out(16);
    aes_encrypt_block(key, plaintext.data(), out.data());
    EXPECT_EQ(out, ciphertext);
    aes_decrypt_block(key, ciphertext.data(), out.data());
    EXPECT_EQ(out, plaintext);

    // In place, as the decrypting stream uses it.
    std::vector<std::uint8_t> block = ciphertext;
    aes_decrypt_block(key, block.data(), block.data());
    EXPECT_EQ(block, plaintext);
    aes_encrypt_block(key, block.data(), block.data());
    EXPECT_EQ(block, ciphertext);
  }
}

// SP 800-38A F.2.1, CBC-AES128.Encrypt, chained by hand over the block
// function.
TEST(Aes, CbcEncryptionMatchesSp80038aF21) {
  const symmetric_key key = expand("2b7e151628aed2a6abf7158809cf4f3c");
  std::vector<std::uint8_t> chain =
      from_hex("000102030405060708090a0b0c0d0e0f");
  const std::vector<std::uint8_t> plaintext = from_hex(
      "6bc1bee22e409f96e93d7e117393172a ae2d8a571e03ac9c9eb76fac45af8e51 "
      "30c81c46a35ce411e5fbc1191a0a52ef f69f2445df4f9b17ad2b417be66c3710");
  const std::vector<std::uint8_t> expected = from_hex(
      "7649abac8119b246cee98e9b12e9197d 5086cb9b507219ee95db113a917678b2 "
      "73bed6b8e3c1743b7116e69e22229516 3ff1caa1681fac09120eca307586e1a7");

  std::vector<std::uint8_t> ciphertext(plaintext.size());
  for (std::size_t offset = 0; offset < plaintext.size(); offset += 16) {
    for (int i = 0; i < 16; ++i) chain[i] ^= plaintext[offset + i];
    aes_encrypt_block(key, chain.data(), chain.data());
    std::copy(chain.begin(), chain.end(), ciphertext.begin() + offset);
  }
  EXPECT_EQ(ciphertext, expected);
}

}  // namespace
}  // namespace data
}  // namespace tessera
