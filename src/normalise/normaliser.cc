#include "normalise/normaliser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/utf16.h"
#include "data/byte_reader.h"
#include "normalise/ntable_format.h"
#include "tessera/error.h"

namespace tessera {
namespace normalise {
namespace {

// Precomposed Hangul syllables are S = L * 588 + V * 28 + T above
// kSyllableBase, with 19 leading consonants L, 21 vowels V and 28 trailing
// forms T (T = 0: no final consonant). Each part has its own conjoining
// letter.
constexpr char16_t kSyllableBase = 0xAC00;
constexpr char16_t kSyllableLast = 0xD7A3;
constexpr char16_t kLeadingBase = 0x1100;
constexpr char16_t kVowelBase = 0x1161;
constexpr char16_t kTrailingBase = 0x11A7;
constexpr int kTrailingCount = 28;
constexpr int kVowelTrailingCount = 21 * kTrailingCount;

bool is_syllable(char16_t c) noexcept {
  return c >= kSyllableBase && c <= kSyllableLast;
}

// Calls f with each conjoining letter of the syllable `c`: leading
// consonant, vowel and, when there is one, the final consonant.
template <typename F>
void for_each_letter(char16_t c, F f) {
  const int s = c - kSyllableBase;
  const int t = s % kTrailingCount;
  f(static_cast<char16_t>(kLeadingBase + s / kVowelTrailingCount));
  f(static_cast<char16_t>(kVowelBase +
                          (s % kVowelTrailingCount) / kTrailingCount));
  if (t != 0) f(static_cast<char16_t>(kTrailingBase + t));
}

}  // namespace

Normaliser::Normaliser(const std::vector<std::u16string>& table) {
  if (table.size() != kEntryCount) {
    InvalidArgumentError::raise(
        "a normalisation table needs 65536 entries, not " +
        std::to_string(table.size()));
  }
  starts_.reserve(kEntryCount + 1);
  for (const std::u16string& entry : table) {
    starts_.push_back(static_cast<std::uint32_t>(units_.size()));
    units_ += entry;
  }
  starts_.push_back(static_cast<std::uint32_t>(units_.size()));
}

std::u16string Normaliser::normalise_u16(const std::u16string& s) const {
  // Sizing the result first lets it be allocated once.
  std::size_t size = 0;
  for (const char16_t c : s) {
    if (is_syllable(c)) {
      for_each_letter(
          c, [&](char16_t letter) { size += replacement(letter).size(); });
    } else {
      size += replacement(c).size();
    }
  }
  std::u16string out;
  out.reserve(size);
  for (const char16_t c : s) {
    if (is_syllable(c)) {
      for_each_letter(c,
                      [&](char16_t letter) { out += replacement(letter); });
    } else {
      out += replacement(c);
    }
  }
  return out;
}

std::u16string Normaliser::normalise_u8(const std::string& s) const {
  return normalise_u16(core::to_u16string(s));
}

Normaliser read_normaliser(const data::FileBytes& file) {
  data::ByteReader in = file.reader();
  Normaliser normaliser;
  std::vector<std::uint32_t>& starts = normaliser.starts_;
  std::u16string& units = normaliser.units_;
  starts.reserve(kEntryCount + 1);
  // Every unit but the terminators is kept: at most half the file's bytes.
  units.reserve(in.remaining() / 2);
  starts.push_back(0);
  while (starts.size() <= kEntryCount) {
    if (in.remaining() < 2) {
      in.fail("the normalisation table ends inside entry " +
              std::to_string(starts.size() - 1) + " of " +
              std::to_string(kEntryCount));
    }
    const auto unit = static_cast<char16_t>(in.read_u16());
    if (unit == kTerminator) {
      starts.push_back(static_cast<std::uint32_t>(units.size()));
    } else {
      units.push_back(unit);
    }
  }
  units.shrink_to_fit();
  return normaliser;
}

}  // namespace normalise
}  // namespace tessera
