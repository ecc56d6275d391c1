#include "data/decrypting_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "data/aes.h"
#include "data/data_key.h"
#include "tessera/error.h"
#include "testing/hex.h"

namespace tessera {
namespace data {
namespace {

using test::bytes_from_hex;
using test::from_hex;

// SP 800-38A F.2.2, CBC-AES128.Decrypt.
const std::vector<std::uint8_t> kKey =
    from_hex("2b7e151628aed2a6abf7158809cf4f3c");
const std::vector<std::uint8_t> kIv =
    from_hex("000102030405060708090a0b0c0d0e0f");
const std::string kCiphertext = bytes_from_hex(
    "7649abac8119b246cee98e9b12e9197d 5086cb9b507219ee95db113a917678b2 "
    "73bed6b8e3c1743b7116e69e22229516 3ff1caa1681fac09120eca307586e1a7");
const std::string kPlaintext = bytes_from_hex(
    "6bc1bee22e409f96e93d7e117393172a ae2d8a571e03ac9c9eb76fac45af8e51 "
    "30c81c46a35ce411e5fbc1191a0a52ef f69f2445df4f9b17ad2b417be66c3710");

std::string read_all(std::istream& in) {
  return std::string(std::istreambuf_iterator<char>(in),
                     std::istreambuf_iterator<char>());
}

TEST(DecryptingStream, DecryptsSp80038aVectorWithEveryBufferSize) {
  for (int buffer_size : {16, 32, 16384}) {
    SCOPED_TRACE(buffer_size);
    std::istringstream file(kCiphertext);
    DecryptingStream stream(file, buffer_size, kKey.data(), kIv.data());
    EXPECT_EQ(read_all(stream), kPlaintext);
  }
}

TEST(DecryptingStream, DeliversWholeBlocksOnly) {
  const struct {
    std::size_t file_size;
    std::size_t plaintext_size;
  } kCases[] = {{0, 0}, {15, 0}, {16, 16}, {20, 16}, {47, 32}, {64, 64}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.file_size);
    std::istringstream file(kCiphertext.substr(0, c.file_size));
    DecryptingStream stream(file, 16384, kKey.data(), kIv.data());
    EXPECT_EQ(read_all(stream), kPlaintext.substr(0, c.plaintext_size));
  }
}

TEST(DecryptingStream, OneBlockThenEndOfFile) {
  std::istringstream file(kCiphertext.substr(0, 16));
  DecryptingStream stream(file, 16384, kKey.data(), kIv.data());
  char block[16];
  ASSERT_TRUE(stream.read(block, 16));
  EXPECT_EQ(std::string(block, 16), kPlaintext.substr(0, 16));
  EXPECT_EQ(stream.get(), std::char_traits<char>::eof());
  EXPECT_TRUE(stream.eof());
  EXPECT_TRUE(stream.fail());
}

TEST(DecryptingStream, ShortFileFailsTheReadingStream) {
  std::istringstream file(kCiphertext.substr(0, 20));
  DecryptingStream stream(file, 16384, kKey.data(), kIv.data());
  char buffer[32];
  stream.read(buffer, 32);
  EXPECT_EQ(stream.gcount(), 16);
  EXPECT_TRUE(stream.fail());
}

// The data files are encrypted with the deployment constants: a stream built
// without a key must use them, and chain across many refills.
TEST(DecryptingStream, UsesDeploymentKeyByDefault) {
  std::mt19937 random(20240611);
  std::vector<std::uint8_t> plaintext(1264);
  for (std::uint8_t& byte : plaintext) {
    byte = static_cast<std::uint8_t>(random());
  }
  symmetric_key key;
  aes_setup(kDataKey, &key);
  std::vector<std::uint8_t> chain(kDataIv, kDataIv + 16);
  std::string ciphertext;
  for (std::size_t offset = 0; offset < plaintext.size(); offset += 16) {
    for (int i = 0; i < 16; ++i) chain[i] ^= plaintext[offset + i];
    aes_encrypt_block(key, chain.data(), chain.data());
    ciphertext.append(chain.begin(), chain.end());
  }

  for (int buffer_size : {16, 32, 16384}) {
    SCOPED_TRACE(buffer_size);
    std::istringstream file(ciphertext);
    DecryptingStream stream(file, buffer_size);
    EXPECT_EQ(read_all(stream),
              std::string(plaintext.begin(), plaintext.end()));
  }
}

TEST(DecryptingStream, RejectsBufferSizesThatSplitBlocks) {
  std::istringstream file(kCiphertext);
  for (int buffer_size : {0, -16, 8, 20}) {
    SCOPED_TRACE(buffer_size);
    EXPECT_THROW(DecryptingStream(file, buffer_size), InvalidArgumentError);
  }
}

}  // namespace
}  // namespace data
}  // namespace tessera
