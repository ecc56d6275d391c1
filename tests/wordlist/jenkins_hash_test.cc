#include "wordlist/jenkins_hash.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tessera {
namespace wordlist {
namespace {

struct State {
  std::uint32_t a, b, c;
};

// The mixing step, written out a second time as a plain sequence of the 27
// operations.
State mix(State s) {
  std::uint32_t a = s.a, b = s.b, c = s.c;
  a = a - b;
  a = a - c;
  a = a ^ (c >> 13);
  b = b - c;
  b = b - a;
  b = b ^ (a << 8);
  c = c - a;
  c = c - b;
  c = c ^ (b >> 13);
  a = a - b;
  a = a - c;
  a = a ^ (c >> 12);
  b = b - c;
  b = b - a;
  b = b ^ (a << 16);
  c = c - a;
  c = c - b;
  c = c ^ (b >> 5);
  a = a - b;
  a = a - c;
  a = a ^ (c >> 3);
  b = b - c;
  b = b - a;
  b = b ^ (a << 10);
  c = c - a;
  c = c - b;
  c = c ^ (b >> 15);
  return {a, b, c};
}

// A byte-at-a-time form of the hash: every byte is added on its own to the
// word and shift that its position gives it, a block is mixed when its
// twelfth byte is in, and the last partial block shares c with the length.
std::uint32_t hash_bytewise(const std::vector<std::uint8_t>& data,
                            std::uint32_t seed) {
  State s{0x9E3779B9u, 0x9E3779B9u, seed};
  const std::size_t full = data.size() - data.size() % 12;
  for (std::size_t i = 0; i < data.size(); ++i) {
    const std::size_t at = i % 12;
    // In the last partial block the bytes meant for c sit one byte higher.
    const int shift =
        8 * static_cast<int>(at % 4) + (i >= full && at >= 8 ? 8 : 0);
    const std::uint32_t add = std::uint32_t{data[i]} << shift;
    if (at < 4) {
      s.a += add;
    } else if (at < 8) {
      s.b += add;
    } else {
      s.c += add;
    }
    if (at == 11 && i < full) s = mix(s);
  }
  s.c += static_cast<std::uint32_t>(data.size());
  return mix(s).c;
}

TEST(JenkinsHash, EmptyInputIsOneMixOfTheStartValues) {
  const std::uint32_t expected = mix({0x9E3779B9u, 0x9E3779B9u, 0}).c;
  EXPECT_EQ(jenkins_hash(nullptr, 0, 0), expected);
  EXPECT_EQ(jenkins_hash(std::string(), 0), expected);
  EXPECT_EQ(jenkins_hash(std::u16string(), 0), expected);
}

TEST(JenkinsHash, TwelveBytesRunOneBlockThenMixWithOnlyTheLength) {
  const unsigned char data[12] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                  0x07, 0x08, 0x09, 0x0A, 0x0B, 0xFF};
  const std::uint32_t seed = 0x12345678u;
  State s{0x9E3779B9u + 0x04030201u, 0x9E3779B9u + 0x08070605u,
          seed + 0xFF0B0A09u};
  s = mix(s);
  s.c += 12;
  EXPECT_EQ(jenkins_hash(data, 12, seed), mix(s).c);
}

TEST(JenkinsHash, MatchesBytewiseFormForEveryTailLength) {
  const std::uint32_t kSeed = 20240611;
  SCOPED_TRACE(testing::Message() << "random seed " << kSeed);
  std::mt19937 random(kSeed);
  for (int blocks = 0; blocks <= 3; ++blocks) {
    for (int tail = 0; tail < 12; ++tail) {
      for (int round = 0; round < 20; ++round) {
        std::vector<std::uint8_t> data(12 * blocks + tail);
        for (auto& byte : data) byte = static_cast<std::uint8_t>(random());
        const std::uint32_t seed = random();
        SCOPED_TRACE(testing::Message() << "length " << data.size());
        const std::string as_string(data.begin(), data.end());
        const std::uint32_t expected = hash_bytewise(data, seed);
        EXPECT_EQ(
            jenkins_hash(data.data(), static_cast<unsigned>(data.size()), seed),
            expected);
        EXPECT_EQ(jenkins_hash(as_string, seed), expected);
      }
    }
  }
}

TEST(JenkinsHash, Utf16HashesEachUnitLowByteFirst) {
  const std::uint32_t kSeed = 7;
  SCOPED_TRACE(testing::Message() << "random seed " << kSeed);
  std::mt19937 random(kSeed);
  for (int units = 0; units <= 13; ++units) {
    std::u16string text;
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < units; ++i) {
      const auto unit = static_cast<char16_t>(random());
      text.push_back(unit);
      bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    const std::uint32_t seed = random();
    EXPECT_EQ(jenkins_hash(text, seed), hash_bytewise(bytes, seed))
        << "units " << units;
  }
  // "é" is the one unit 0x00E9: bytes E9 00, not the UTF-8 bytes C3 A9.
  EXPECT_EQ(jenkins_hash(u"\u00e9", 1), hash_bytewise({0xE9, 0x00}, 1));
}

}  // namespace
}  // namespace wordlist
}  // namespace tessera
