#include "mkdata/wordlist/wordlist_writer.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/string_checks.h"
#include "mkdata/byte_writer.h"
#include "wordlist/wordlist_format.h"

namespace tessera {
namespace mkdata {

WordlistFile wordlist_file(const std::vector<std::string>& words) {
  if (words.size() > static_cast<std::size_t>(wordlist::kMaxWordCount)) {
    throw std::invalid_argument("a wordlist holds at most 65536 words, not " +
                                std::to_string(words.size()));
  }
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i].find(wordlist::kTextTerminator) != std::string::npos ||
        core::validate_utf8_string(words[i]).code != 0) {
      throw std::invalid_argument("word " + std::to_string(i) +
                                  " is not UTF-8 text without NUL bytes");
    }
  }

  // The body starts after the length word that frame() adds, so offsets
  // inside it are shifted by that word.
  constexpr std::uint32_t kFrame = 4;
  ByteWriter body;
  body.u32(static_cast<std::uint32_t>(words.size()));
  for (std::size_t i = 0; i < words.size(); ++i) body.u32(0);

  WordlistFile file;
  file.record_offsets.reserve(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::size_t record = kFrame + body.size();
    if (record >= static_cast<std::size_t>(wordlist::kRecordOffsetLimit)) {
      throw std::length_error("word " + std::to_string(i) +
                              " would start beyond the 2^24 bytes that the "
                              "word index can address");
    }
    file.record_offsets.push_back(static_cast<std::uint32_t>(record));
    body.patch_u32(
        static_cast<std::size_t>(wordlist::text_offset_entry(i)) - kFrame,
        static_cast<std::uint32_t>(record + wordlist::kRecordNumberSize));
    body.u16(static_cast<std::uint16_t>(i));
    body.text(words[i]);
    body.u8(static_cast<std::uint8_t>(wordlist::kTextTerminator));
  }
  file.bytes = frame(body.bytes());
  return file;
}

}  // namespace mkdata
}  // namespace tessera
