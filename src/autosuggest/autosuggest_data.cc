#include "autosuggest/autosuggest_data.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

#include "autosuggest/autosuggest_format.h"
#include "data/integrity.h"

namespace tessera {
namespace autosuggest {
namespace {

using datasource::integrity_failure;

constexpr char kTooManyCharacters[] =
    "Wordlist invalid (too many encodable characters)";
constexpr char kTooManyWords[] = "Wordlist invalid (too many encoded words)";

// Bytes of a u32 count or offset field.
constexpr std::uint32_t kU32Size = 4;
// Bytes of the per-entry arrays of the search table: word number, shared
// prefix and length.
constexpr std::uint32_t kEntryArraysSize = kEntryWordNumberSize + 1 + 1;

std::string where(std::uint32_t offset) {
  return " at offset " + std::to_string(offset);
}

// Fails unless `length` bytes from `offset` lie inside `size` bytes.
void check_inside(std::uint32_t offset, std::uint32_t length,
                  std::uint32_t size, const char* what) {
  if (offset > size || length > size - offset) {
    integrity_failure(std::string("the autosuggest data's ") + what +
                      where(offset) + " passes the end of its " +
                      std::to_string(size) + " bytes");
  }
}

}  // namespace

AutosuggestData::AutosuggestData(std::vector<char16_t>&& characters,
                                 std::vector<SimilarPair>&& pairs,
                                 datasource::InMemory&& file)
    : file_(std::move(file)),
      characters_(std::move(characters)),
      pairs_(std::move(pairs)) {
  if (characters_.size() > kMaxEncodableCharacters) {
    integrity_failure(kTooManyCharacters);
  }
  const std::uint32_t highest_code =
      static_cast<std::uint32_t>(characters_.size()) + 1;
  for (std::size_t i = 0; i < pairs_.size(); ++i) {
    const SimilarPair& pair = pairs_[i];
    if (pair.dictionary < kFirstCode || pair.dictionary > highest_code ||
        pair.query < kFirstCode || pair.query > highest_code) {
      integrity_failure("similar-character pair " + std::to_string(i) +
                        " of the autosuggest data holds a code outside 1 to " +
                        std::to_string(highest_code));
    }
  }
  const std::uint32_t size = static_cast<std::uint32_t>(file_.size());
  if (size < kRelatedMapOffset) {
    integrity_failure("the autosuggest data has only " + std::to_string(size) +
                      " bytes, too few for its header");
  }
  const std::uint32_t length = datasource::decode_u32(bytes());
  if (length != size) {
    integrity_failure("the autosuggest data's length field says " +
                      std::to_string(length) + " bytes, but it holds " +
                      std::to_string(size));
  }
  check_related_map();
  check_levenshtein_section();
}

const std::uint8_t* AutosuggestData::bytes() const noexcept {
  return reinterpret_cast<const std::uint8_t*>(file_.bytes().data());
}

void AutosuggestData::check_related_map() {
  const std::uint32_t size = static_cast<std::uint32_t>(file_.size());
  const std::uint32_t count =
      datasource::decode_u32(bytes() + kRelatedMapSizeField);
  if (count > (size - kRelatedMapOffset) / kRelatedMapEntrySize) {
    integrity_failure("the related-words map of the autosuggest data has " +
                      std::to_string(count) + " entries, more than its " +
                      std::to_string(size) + " bytes can hold");
  }
  // Every ring returns to its start exactly when each word is named by one
  // entry: the map is then a permutation, made of cycles only.
  std::vector<bool> named(count, false);
  for (std::uint32_t k = 0; k < count; ++k) {
    const std::uint32_t next =
        datasource::decode_u16(bytes() + related_map_entry_offset(k));
    if (next >= count) {
      integrity_failure("entry " + std::to_string(k) +
                        " of the related-words map names word " +
                        std::to_string(next) + ", outside the map of " +
                        std::to_string(count) + " entries");
    }
    if (named[next]) {
      integrity_failure("word " + std::to_string(next) +
                        " is named by two entries of the related-words map, "
                        "so a ring of related words does not return to its "
                        "start");
    }
    named[next] = true;
  }
  related_map_size_ = count;
}

void AutosuggestData::check_levenshtein_section() {
  const std::uint32_t size = static_cast<std::uint32_t>(file_.size());
  const std::uint32_t offset =
      datasource::decode_u32(bytes() + kLevenshteinOffsetField);
  check_inside(offset, kU32Size, size, "Levenshtein section");
  const std::uint32_t count = datasource::decode_u32(bytes() + offset);
  if (count > kMaxEntries) integrity_failure(kTooManyWords);
  const std::uint32_t arrays = offset + kU32Size;
  if (count > (size - arrays) / kEntryArraysSize) {
    integrity_failure("the autosuggest search table declares " +
                      std::to_string(count) + " entries, more than its " +
                      std::to_string(size) + " bytes can hold");
  }
  table_.entry_count_ = count;
  table_.word_numbers_ = bytes() + arrays;
  table_.shared_prefixes_ = table_.word_numbers_ + kEntryWordNumberSize * count;
  table_.lengths_ = table_.shared_prefixes_ + count;
  table_.codes_ = table_.lengths_ + count;

  const std::uint32_t codes_offset = arrays + kEntryArraysSize * count;
  const std::uint32_t code_bytes = size - codes_offset;
  const std::uint32_t highest_code =
      static_cast<std::uint32_t>(characters_.size()) + 1;
  std::uint32_t position = 0;  // of the current entry's codes
  std::uint32_t previous_length = 0;
  std::uint32_t previous_position = 0;
  for (std::uint32_t k = 0; k < count; ++k) {
    const std::uint32_t length = table_.length(k);
    const std::uint32_t shared = table_.shared_prefix(k);
    // Built only on failure: the loop runs for every word of the language.
    auto entry = [k] {
      return "entry " + std::to_string(k) + " of the autosuggest search table";
    };
    if (length == 0 || length > kMaxEntryLength) {
      integrity_failure(entry() + " has " + std::to_string(length) +
                        " codes, not 1 to 31");
    }
    if (length > code_bytes - position) {
      integrity_failure(entry() + " passes the end of the file");
    }
    if (shared > previous_length || shared > length) {
      integrity_failure(entry() + " shares " + std::to_string(shared) +
                        " codes with the previous entry, more than one of "
                        "them has");
    }
    const std::uint8_t* codes = table_.codes_ + position;
    if (std::memcmp(codes, table_.codes_ + previous_position, shared) != 0) {
      integrity_failure(entry() + " does not share its first " +
                        std::to_string(shared) +
                        " codes with the previous entry");
    }
    for (std::uint32_t i = 0; i < length; ++i) {
      if (codes[i] < kFirstCode || codes[i] > highest_code) {
        integrity_failure(entry() + " holds the code " +
                          std::to_string(codes[i]) + ", outside 1 to " +
                          std::to_string(highest_code));
      }
    }
    if (table_.word_no(k) >= related_map_size_) {
      integrity_failure(entry() + " has word number " +
                        std::to_string(table_.word_no(k)) +
                        ", outside the related-words map of " +
                        std::to_string(related_map_size_) + " entries");
    }
    previous_length = length;
    previous_position = position;
    position += length;
  }
  levenshtein_offset_ = offset;
}

int AutosuggestData::related_word(int k) const {
  if (k < 0 || static_cast<std::uint32_t>(k) >= related_map_size_) {
    integrity_failure("word number " + std::to_string(k) +
                      " lies outside the related-words map of " +
                      std::to_string(related_map_size_) + " entries");
  }
  return datasource::decode_u16(
      bytes() + related_map_entry_offset(static_cast<std::uint32_t>(k)));
}

const std::uint8_t* AutosuggestData::start_of_levenshtein_data()
    const noexcept {
  return bytes() + levenshtein_offset_;
}

std::unique_ptr<const AutosuggestData> read_autosuggest_data(
    datasource::InMemory&& file) {
  std::vector<char16_t> characters;
  std::vector<SimilarPair> pairs;
  {
    datasource::InMemory::View view(file);
    const std::uint32_t size = static_cast<std::uint32_t>(view.size());
    if (size < kRelatedMapOffset) {
      integrity_failure("the autosuggest data has only " +
                        std::to_string(size) +
                        " bytes, too few for its header");
    }
    view.seek(kEncodingOffsetField);
    const std::uint32_t offset = view.read_u32();
    check_inside(offset, kU32Size, size, "encoding section");
    view.seek(offset);
    const std::uint32_t count = view.read_u32();
    // Checked before the list is copied, so that a corrupt count allocates
    // nothing.
    if (count > kMaxEncodableCharacters) integrity_failure(kTooManyCharacters);
    if (count > (size - offset - kU32Size) / kEncodableCharacterSize) {
      integrity_failure("the autosuggest data's " + std::to_string(count) +
                        " encodable characters pass the end of the file");
    }
    characters.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      characters.push_back(static_cast<char16_t>(view.read_u16()));
    }
    const std::uint32_t pair_count = view.read_u32();
    const std::uint32_t remaining =
        size - static_cast<std::uint32_t>(view.position());
    if (pair_count > remaining / kSimilarPairSize) {
      integrity_failure("the autosuggest data's " + std::to_string(pair_count) +
                        " similar-character pairs pass the end of the file");
    }
    pairs.reserve(pair_count);
    for (std::uint32_t i = 0; i < pair_count; ++i) {
      const std::uint8_t dictionary = view.read_u8();
      const std::uint8_t query = view.read_u8();
      pairs.push_back({dictionary, query});
    }
  }
  return std::make_unique<const AutosuggestData>(
      std::move(characters), std::move(pairs), std::move(file));
}

}  // namespace autosuggest
}  // namespace tessera
