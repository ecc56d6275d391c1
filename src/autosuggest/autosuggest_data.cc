#include "autosuggest/autosuggest_data.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

#include "autosuggest/autosuggest_format.h"
#include "data/byte_reader.h"
#include "data/in_memory.h"
#include "data/integrity.h"

namespace tessera {
namespace autosuggest {
namespace {

using data::InMemory;
using data::integrity_failure;

constexpr char kTooManyCharacters[] =
    "Wordlist invalid (too many encodable characters)";
constexpr char kTooManyWords[] = "Wordlist invalid (too many encoded words)";

// Bytes of the per-entry arrays of the search table: word number, shared
// prefix and length.
constexpr std::uint32_t kEntryArraysSize = kEntryWordNumberSize + 1 + 1;

}  // namespace

AutosuggestData::AutosuggestData(std::vector<char16_t>&& characters,
                                 std::vector<SimilarPair>&& pairs,
                                 data::InMemory&& file)
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
      integrity_failure(file_.name(), "similar-character pair " +
                                          std::to_string(i) +
                                          " holds a code outside 1 to " +
                                          std::to_string(highest_code));
    }
  }
  InMemory::View view(file_);
  const std::uint32_t length = view.read_u32();
  if (length != view.size()) {
    view.fail("the length field says " + std::to_string(length) +
              " bytes, but the data holds " + std::to_string(view.size()));
  }
  check_related_map();
  check_levenshtein_section();
}

const std::uint8_t* AutosuggestData::bytes() const noexcept {
  return file_.data();
}

void AutosuggestData::check_related_map() {
  InMemory::View view(file_);
  view.seek(kRelatedMapSizeField);
  const std::uint32_t count = view.read_u32();
  view.seek(kRelatedMapOffset);
  data::checked_count(count, kRelatedMapEntrySize, view.remaining(),
                      view.file(), "entries of the related-words map");
  // Every ring returns to its start exactly when each word is named by one
  // entry: the map is then a permutation, made of cycles only.
  std::vector<bool> named(count, false);
  for (std::uint32_t k = 0; k < count; ++k) {
    const std::uint32_t next =
        data::decode_u16(bytes() + related_map_entry_offset(k));
    if (next >= count) {
      view.fail("entry " + std::to_string(k) +
                " of the related-words map names word " + std::to_string(next) +
                ", outside the map of " + std::to_string(count) + " entries");
    }
    if (named[next]) {
      view.fail("word " + std::to_string(next) +
                " is named by two entries of the related-words map, "
                "so a ring of related words does not return to its "
                "start");
    }
    named[next] = true;
  }
  related_map_size_ = count;
}

void AutosuggestData::check_levenshtein_section() {
  InMemory::View view(file_);
  view.seek(kLevenshteinOffsetField);
  const std::uint32_t offset = view.read_u32();
  view.seek(offset);
  const std::uint32_t count = view.read_u32();
  if (count > kMaxEntries) integrity_failure(kTooManyWords);
  data::checked_count(count, kEntryArraysSize, view.remaining(), view.file(),
                      "entries of the search table");
  table_.entry_count_ = count;
  table_.word_numbers_ = view.take(kEntryWordNumberSize * count);
  table_.shared_prefixes_ = view.take(count);
  table_.lengths_ = view.take(count);
  const std::size_t code_bytes = view.remaining();
  table_.codes_ = view.take(code_bytes);
  const std::uint32_t highest_code =
      static_cast<std::uint32_t>(characters_.size()) + 1;
  std::size_t position = 0;  // of the current entry's codes
  std::uint32_t previous_length = 0;
  std::size_t previous_position = 0;
  for (std::uint32_t k = 0; k < count; ++k) {
    const std::uint32_t length = table_.length(k);
    const std::uint32_t shared = table_.shared_prefix(k);
    // Built only on failure: the loop runs for every word of the language.
    auto entry = [k] {
      return "entry " + std::to_string(k) + " of the autosuggest search table";
    };
    if (length == 0 || length > kMaxEntryLength) {
      view.fail(entry() + " has " + std::to_string(length) +
                " codes, not 1 to 31");
    }
    if (length > code_bytes - position) {
      view.fail(entry() + " passes the end of the file");
    }
    if (shared > previous_length || shared > length) {
      view.fail(entry() + " shares " + std::to_string(shared) +
                " codes with the previous entry, more than one of "
                "them has");
    }
    const std::uint8_t* codes = table_.codes_ + position;
    if (std::memcmp(codes, table_.codes_ + previous_position, shared) != 0) {
      view.fail(entry() + " does not share its first " +
                std::to_string(shared) + " codes with the previous entry");
    }
    for (std::uint32_t i = 0; i < length; ++i) {
      if (codes[i] < kFirstCode || codes[i] > highest_code) {
        view.fail(entry() + " holds the code " + std::to_string(codes[i]) +
                  ", outside 1 to " + std::to_string(highest_code));
      }
    }
    if (table_.word_no(k) >= related_map_size_) {
      view.fail(entry() + " has word number " +
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
    integrity_failure(file_.name(),
                      "word number " + std::to_string(k) +
                          " lies outside the related-words map of " +
                          std::to_string(related_map_size_) + " entries");
  }
  return data::decode_u16(
      bytes() + related_map_entry_offset(static_cast<std::uint32_t>(k)));
}

const std::uint8_t* AutosuggestData::start_of_levenshtein_data()
    const noexcept {
  return bytes() + levenshtein_offset_;
}

std::unique_ptr<const AutosuggestData> read_autosuggest_data(
    data::InMemory&& file) {
  std::vector<char16_t> characters;
  std::vector<SimilarPair> pairs;
  {
    InMemory::View view(file);
    view.seek(kEncodingOffsetField);
    view.seek(view.read_u32());
    const std::uint32_t count = view.read_u32();
    // Checked before the list is copied, so that a corrupt count allocates
    // nothing.
    if (count > kMaxEncodableCharacters) integrity_failure(kTooManyCharacters);
    data::checked_count(count, kEncodableCharacterSize, view.remaining(),
                        view.file(), "encodable characters");
    characters.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      characters.push_back(static_cast<char16_t>(view.read_u16()));
    }
    const std::uint32_t pair_count = view.read_u32();
    data::checked_count(pair_count, kSimilarPairSize, view.remaining(),
                        view.file(), "similar-character pairs");
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
