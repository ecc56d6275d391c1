// Layout of a wordlist file, "languages/<code>/<code>.wordlist", shared by
// its reader and the data builder's writer.
//
//   offset 0        u32  length of the file (the framing of every data file)
//   offset 4        u32  word count N, at most 65,536
//   offset 8 + 4*i  u32  text offset of word i, for i = 0 ... N-1
//   after the table      one record per word, at record offset R:
//     R      u16   word number i
//     R + 2  bytes the word's UTF-8 text, no 0x00 inside
//     after  u8    terminator 0x00
//
// All integers are little-endian and all offsets absolute. The text offset
// of word i is R + 2 of the record holding i. The word index stores record
// offsets R in 24 bits, so every record starts below 2^24.
#ifndef TESSERA_WORDLIST_WORDLIST_FORMAT_H_
#define TESSERA_WORDLIST_WORDLIST_FORMAT_H_

#include <cstdint>
#include <string>

#include "data/language_files.h"

namespace tessera {
namespace wordlist {

inline constexpr char kWordlistExtension[] = ".wordlist";

// The wordlist of the language `code`: "languages/<code>/<code>.wordlist".
inline std::string wordlist_file_name(const std::string& code) {
  return data::language_file_name(code, kWordlistExtension);
}

constexpr std::int32_t kWordCountOffset = 4;
constexpr std::int32_t kTextOffsetTableOffset = 8;
constexpr std::int32_t kTextOffsetSize = 4;
// Bytes of the word number in front of each text.
constexpr std::int32_t kRecordNumberSize = 2;
constexpr char kTextTerminator = '\0';
// Word numbers are 16 bits.
constexpr std::int64_t kMaxWordCount = 65536;
// Record offsets must be below this.
constexpr std::int64_t kRecordOffsetLimit = std::int64_t{1} << 24;

// Offset of the table entry that holds word i's text offset.
constexpr std::int64_t text_offset_entry(std::int64_t i) noexcept {
  return kTextOffsetTableOffset + kTextOffsetSize * i;
}

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_WORDLIST_FORMAT_H_
