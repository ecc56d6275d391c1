// The layout of the word index file "index/wordlist_index.data", shared by
// its reader and its writer.
//
// A framed data file, little-endian:
//   offset 0            u32  length of the file (the framing length word)
//   offset 4, 8, 12     u32  the three hash seeds
//   offset 16           u32  table size M, the number of slots
//   offset 20 + 4 * j   u32  slot j, for j = 0 .. M - 1
//
// A word w lives in one of the slots h_i = jenkins_hash(w, seed i) mod M,
// i = 0, 1, 2: the one numbered (g(h_0) + g(h_1) + g(h_2)) mod 3, where g
// is the selector of a slot. Slot bits, 31 the most significant:
//   31-30  selector g, 0 .. 3
//   29-24  language number: 0 = no word, k = the k-th language of the list
//   23-0   offset of the word's record in that language's wordlist file
#ifndef TESSERA_WORDLIST_WORD_INDEX_FORMAT_H_
#define TESSERA_WORDLIST_WORD_INDEX_FORMAT_H_

#include <cstdint>

namespace tessera {
namespace wordlist {
namespace word_index_format {

constexpr char kFileName[] = "index/wordlist_index.data";

constexpr std::uint32_t kSeedsOffset = 4;
constexpr int kSeedCount = 3;
constexpr std::uint32_t kSizeOffset = 16;
constexpr std::uint32_t kSlotsOffset = 20;
constexpr std::uint32_t kSlotSize = 4;

constexpr int kSelectorShift = 30;
constexpr int kLanguageShift = 24;
constexpr std::uint32_t kLanguageMask = 0x3F;
constexpr std::uint32_t kOffsetMask = 0xFFFFFF;

// The highest language number a slot can hold.
constexpr std::uint32_t kMaxLanguages = kLanguageMask;
// Record offsets must lie below this.
constexpr std::uint32_t kOffsetLimit = kOffsetMask + 1;

constexpr std::uint32_t selector(std::uint32_t slot) noexcept {
  return slot >> kSelectorShift;
}
constexpr std::uint32_t language_number(std::uint32_t slot) noexcept {
  return (slot >> kLanguageShift) & kLanguageMask;
}
constexpr std::uint32_t record_offset(std::uint32_t slot) noexcept {
  return slot & kOffsetMask;
}

// Requires: selector <= 3, language_number <= kMaxLanguages,
// record_offset < kOffsetLimit.
constexpr std::uint32_t make_slot(std::uint32_t selector,
                                  std::uint32_t language_number,
                                  std::uint32_t record_offset) noexcept {
  return selector << kSelectorShift | language_number << kLanguageShift |
         record_offset;
}

}  // namespace word_index_format
}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_WORD_INDEX_FORMAT_H_
