#include "data/aes.h"

#include <array>

namespace tessera {
namespace data {

namespace {

// The tables are computed at compile time from the field GF(2^8) with the
// polynomial x^8 + x^4 + x^3 + x + 1.

constexpr std::uint8_t xtime(std::uint8_t a) {
  return static_cast<std::uint8_t>((a << 1) ^ ((a & 0x80) ? 0x1b : 0x00));
}

constexpr std::uint8_t multiply(std::uint8_t a, std::uint8_t b) {
  std::uint8_t product = 0;
  while (b != 0) {
    if (b & 1) product ^= a;
    a = xtime(a);
    b >>= 1;
  }
  return product;
}

constexpr std::uint8_t rotl8(std::uint8_t x, int shift) {
  return static_cast<std::uint8_t>((x << shift) | (x >> (8 - shift)));
}

// The multiplicative inverse of x, and 0 for 0: the nonzero elements form a
// group of order 255, so x^254 = x^-1. Square-and-multiply takes 15 products
// where a search for the inverse would take up to 255, which keeps the whole
// table within every compiler's limit on constant evaluation.
constexpr std::uint8_t inverse_of(std::uint8_t x) {
  std::uint8_t result = 1;
  std::uint8_t power = x;
  for (int exponent = 254; exponent != 0; exponent >>= 1) {
    if (exponent & 1) result = multiply(result, power);
    power = multiply(power, power);
  }
  return result;
}

constexpr std::array<std::uint8_t, 256> make_sbox() {
  std::array<std::uint8_t, 256> sbox{};
  for (int x = 0; x < 256; ++x) {
    // The multiplicative inverse, then the affine transformation.
    const std::uint8_t inverse = inverse_of(static_cast<std::uint8_t>(x));
    sbox[x] = static_cast<std::uint8_t>(inverse ^ rotl8(inverse, 1) ^
                                        rotl8(inverse, 2) ^ rotl8(inverse, 3) ^
                                        rotl8(inverse, 4) ^ 0x63);
  }
  return sbox;
}

constexpr std::array<std::uint8_t, 256> make_inverse_sbox(
    const std::array<std::uint8_t, 256>& sbox) {
  std::array<std::uint8_t, 256> inverse{};
  for (int x = 0; x < 256; ++x) inverse[sbox[x]] = static_cast<std::uint8_t>(x);
  return inverse;
}

constexpr std::uint32_t word(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2,
                             std::uint8_t b3) {
  return std::uint32_t{b0} << 24 | std::uint32_t{b1} << 16 |
         std::uint32_t{b2} << 8 | std::uint32_t{b3};
}

constexpr std::uint32_t rotr(std::uint32_t x, int shift) {
  return (x >> shift) | (x << (32 - shift));
}

// table[r][x]: the column that SubBytes and MixColumns make of byte x in row
// r, rotated right by 8 * r bits.
using RoundTables = std::array<std::array<std::uint32_t, 256>, 4>;

constexpr RoundTables make_encryption_tables(
    const std::array<std::uint8_t, 256>& sbox) {
  RoundTables tables{};
  for (int x = 0; x < 256; ++x) {
    const std::uint8_t s = sbox[x];
    const std::uint32_t column = word(multiply(s, 2), s, s, multiply(s, 3));
    tables[0][x] = column;
    for (int r = 1; r < 4; ++r) tables[r][x] = rotr(column, 8 * r);
  }
  return tables;
}

constexpr RoundTables make_decryption_tables(
    const std::array<std::uint8_t, 256>& inverse_sbox) {
  RoundTables tables{};
  for (int x = 0; x < 256; ++x) {
    const std::uint8_t s = inverse_sbox[x];
    const std::uint32_t column = word(multiply(s, 0x0e), multiply(s, 0x09),
                                      multiply(s, 0x0d), multiply(s, 0x0b));
    tables[0][x] = column;
    for (int r = 1; r < 4; ++r) tables[r][x] = rotr(column, 8 * r);
  }
  return tables;
}

constexpr std::array<std::uint8_t, 256> kSbox = make_sbox();
constexpr std::array<std::uint8_t, 256> kInverseSbox = make_inverse_sbox(kSbox);
constexpr RoundTables kTe = make_encryption_tables(kSbox);
constexpr RoundTables kTd = make_decryption_tables(kInverseSbox);

static_assert(kSbox[0x00] == 0x63 && kSbox[0x53] == 0xed && kSbox[0xff] == 0x16,
              "S-box values of FIPS-197 Figure 7");
static_assert(kInverseSbox[0x63] == 0x00 && kInverseSbox[0x00] == 0x52,
              "inverse S-box values of FIPS-197 Figure 14");
static_assert(kTe[0][0] == 0xc66363a5 && kTd[0][0] == 0x51f4a750,
              "first entries of the standard round tables");

constexpr int kRounds = 10;
constexpr int kRoundKeyWords = 4 * (kRounds + 1);

constexpr std::uint32_t kRoundConstants[kRounds] = {
    0x01000000, 0x02000000, 0x04000000, 0x08000000, 0x10000000,
    0x20000000, 0x40000000, 0x80000000, 0x1b000000, 0x36000000};

std::uint32_t load_be(const unsigned char* p) {
  return word(p[0], p[1], p[2], p[3]);
}

void store_be(std::uint32_t value, unsigned char* p) {
  p[0] = static_cast<unsigned char>(value >> 24);
  p[1] = static_cast<unsigned char>(value >> 16);
  p[2] = static_cast<unsigned char>(value >> 8);
  p[3] = static_cast<unsigned char>(value);
}

std::uint8_t byte_of(std::uint32_t value, int index) {
  return static_cast<std::uint8_t>(value >> (24 - 8 * index));
}

std::uint32_t sub_word(std::uint32_t w) {
  return word(kSbox[byte_of(w, 0)], kSbox[byte_of(w, 1)], kSbox[byte_of(w, 2)],
              kSbox[byte_of(w, 3)]);
}

// InvMixColumns of one column: the decryption tables combine InvSubBytes
// with it, so the S-box is applied first to cancel the former.
std::uint32_t inverse_mix_column(std::uint32_t w) {
  return kTd[0][kSbox[byte_of(w, 0)]] ^ kTd[1][kSbox[byte_of(w, 1)]] ^
         kTd[2][kSbox[byte_of(w, 2)]] ^ kTd[3][kSbox[byte_of(w, 3)]];
}

}  // namespace

void aes_setup(const unsigned char* key, symmetric_key* out) noexcept {
  std::uint32_t* ek = out->encryption_round_keys;
  for (int i = 0; i < 4; ++i) ek[i] = load_be(key + 4 * i);
  for (int i = 4; i < kRoundKeyWords; ++i) {
    std::uint32_t temp = ek[i - 1];
    if (i % 4 == 0)
      temp = sub_word(rotr(temp, 24)) ^ kRoundConstants[i / 4 - 1];
    ek[i] = ek[i - 4] ^ temp;
  }
  for (int i = kRoundKeyWords; i < 60; ++i) ek[i] = 0;

  std::uint32_t* dk = out->decryption_round_keys;
  for (int round = 0; round <= kRounds; ++round) {
    for (int j = 0; j < 4; ++j) {
      const std::uint32_t w = ek[4 * (kRounds - round) + j];
      dk[4 * round + j] =
          (round == 0 || round == kRounds) ? w : inverse_mix_column(w);
    }
  }
  for (int i = kRoundKeyWords; i < 60; ++i) dk[i] = 0;
}

void aes_encrypt_block(const symmetric_key& key, const unsigned char* in,
                       unsigned char* out) noexcept {
  const std::uint32_t* rk = key.encryption_round_keys;
  std::uint32_t s[4];
  for (int i = 0; i < 4; ++i) s[i] = load_be(in + 4 * i) ^ rk[i];
  for (int round = 1; round < kRounds; ++round) {
    std::uint32_t t[4];
    for (int i = 0; i < 4; ++i) {
      t[i] = kTe[0][byte_of(s[i], 0)] ^ kTe[1][byte_of(s[(i + 1) % 4], 1)] ^
             kTe[2][byte_of(s[(i + 2) % 4], 2)] ^
             kTe[3][byte_of(s[(i + 3) % 4], 3)] ^ rk[4 * round + i];
    }
    for (int i = 0; i < 4; ++i) s[i] = t[i];
  }
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t last =
        word(kSbox[byte_of(s[i], 0)], kSbox[byte_of(s[(i + 1) % 4], 1)],
             kSbox[byte_of(s[(i + 2) % 4], 2)],
             kSbox[byte_of(s[(i + 3) % 4], 3)]) ^
        rk[4 * kRounds + i];
    store_be(last, out + 4 * i);
  }
}

void aes_decrypt_block(const symmetric_key& key, const unsigned char* in,
                       unsigned char* out) noexcept {
  const std::uint32_t* rk = key.decryption_round_keys;
  std::uint32_t s[4];
  for (int i = 0; i < 4; ++i) s[i] = load_be(in + 4 * i) ^ rk[i];
  // InvShiftRows takes row r of column i from column i - r.
  for (int round = 1; round < kRounds; ++round) {
    std::uint32_t t[4];
    for (int i = 0; i < 4; ++i) {
      t[i] = kTd[0][byte_of(s[i], 0)] ^ kTd[1][byte_of(s[(i + 3) % 4], 1)] ^
             kTd[2][byte_of(s[(i + 2) % 4], 2)] ^
             kTd[3][byte_of(s[(i + 1) % 4], 3)] ^ rk[4 * round + i];
    }
    for (int i = 0; i < 4; ++i) s[i] = t[i];
  }
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t last = word(kInverseSbox[byte_of(s[i], 0)],
                                    kInverseSbox[byte_of(s[(i + 3) % 4], 1)],
                                    kInverseSbox[byte_of(s[(i + 2) % 4], 2)],
                                    kInverseSbox[byte_of(s[(i + 1) % 4], 3)]) ^
                               rk[4 * kRounds + i];
    store_be(last, out + 4 * i);
  }
}

}  // namespace data
}  // namespace tessera
