// Writes a language's ".wordlist" file.
#ifndef TESSERA_TOOLS_MKDATA_WORDLIST_WORDLIST_WRITER_H_
#define TESSERA_TOOLS_MKDATA_WORDLIST_WORDLIST_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

struct WordlistFile {
  // The framed file, ready for write_data_file.
  std::vector<std::uint8_t> bytes;
  // record_offsets[i]: the record offset R of word i (the position of its
  // u16 word number), which the word index stores; each is below 2^24.
  std::vector<std::uint32_t> record_offsets;
};

// The wordlist file of `words`, word i being words[i]: the length word, the
// count N, the table of N text offsets, then the records in number order
// straight after the table. Deterministic.
//
// Throws std::invalid_argument when there are more than 65,536 words or a
// word is not well-formed UTF-8 or holds a 0x00 byte, and std::length_error
// when a record would start at or beyond 2^24 or the file would exceed the
// 16 MiB that readers accept.
WordlistFile wordlist_file(const std::vector<std::string>& words);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORDLIST_WORDLIST_WRITER_H_
