#include "mkdata/autosuggest/autosuggest_writer.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "autosuggest/autosuggest_format.h"
#include "mkdata/byte_writer.h"

namespace tessera {
namespace mkdata {
namespace {

using autosuggest::kMaxEncodableCharacters;
using autosuggest::kMaxEntries;
using autosuggest::kMaxEntryLength;

// Word numbers are stored in 16 bits.
constexpr std::size_t kMaxWords = 65536;

// Bytes of the length word in front of every data file; the body written
// here starts at this absolute offset.
constexpr std::uint32_t kFramingSize = 4;

// One search table entry: a word and its codes.
struct Entry {
  std::uint16_t word_no;
  std::vector<std::uint8_t> codes;
};

// The distinct code units of `words` in ascending order.
std::vector<char16_t> encodable_characters(
    const std::vector<std::u16string>& words) {
  std::vector<bool> seen(65536, false);
  for (const std::u16string& word : words) {
    for (char16_t c : word) seen[c] = true;
  }
  std::vector<char16_t> characters;
  for (std::size_t c = 0; c < seen.size(); ++c) {
    if (seen[c]) characters.push_back(static_cast<char16_t>(c));
  }
  if (characters.size() > kMaxEncodableCharacters) {
    throw std::runtime_error(
        "autosuggest data: the words hold " +
        std::to_string(characters.size()) +
        " distinct characters, more than the 126 that can be encoded");
  }
  return characters;
}

// The related-words map of `word_count` words: each group a ring.
std::vector<std::uint16_t> related_map(
    std::size_t word_count, const std::vector<std::vector<int>>& groups) {
  std::vector<std::uint16_t> next(word_count);
  for (std::size_t k = 0; k < word_count; ++k) {
    next[k] = static_cast<std::uint16_t>(k);
  }
  std::vector<bool> grouped(word_count, false);
  for (const std::vector<int>& group : groups) {
    for (int word_no : group) {
      if (word_no < 0 || static_cast<std::size_t>(word_no) >= word_count) {
        throw std::invalid_argument("autosuggest data: related word " +
                                    std::to_string(word_no) +
                                    " is not a word number");
      }
      if (grouped[word_no]) {
        throw std::invalid_argument("autosuggest data: word " +
                                    std::to_string(word_no) +
                                    " appears twice in the related groups");
      }
      grouped[word_no] = true;
    }
    for (std::size_t j = 0; j < group.size(); ++j) {
      next[group[j]] =
          static_cast<std::uint16_t>(group[(j + 1) % group.size()]);
    }
  }
  return next;
}

// The search table: the encodable words of 1 to kMaxEntryLength codes, in
// the order of their codes, then of their numbers.
std::vector<Entry> search_entries(const std::vector<std::u16string>& words,
                                  const std::vector<std::uint8_t>& code_of) {
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::u16string& word = words[i];
    if (word.empty() || word.size() > kMaxEntryLength) continue;
    Entry entry{static_cast<std::uint16_t>(i), {}};
    for (char16_t c : word) entry.codes.push_back(code_of[c]);
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return std::tie(a.codes, a.word_no) < std::tie(b.codes, b.word_no);
  });
  return entries;
}

std::uint8_t shared_prefix_length(const std::vector<std::uint8_t>& a,
                                  const std::vector<std::uint8_t>& b) {
  const std::size_t n = std::min(a.size(), b.size());
  std::size_t i = 0;
  while (i < n && a[i] == b[i]) ++i;
  return static_cast<std::uint8_t>(i);
}

// Union-find over word numbers, for closing the suffix relation.
class Groups {
 public:
  explicit Groups(std::size_t n) : parent_(n) {
    std::iota(parent_.begin(), parent_.end(), 0);
  }
  std::size_t root(std::size_t x) {
    while (parent_[x] != x) {
      parent_[x] = parent_[parent_[x]];
      x = parent_[x];
    }
    return x;
  }
  void join(std::size_t a, std::size_t b) {
    a = root(a);
    b = root(b);
    // The smaller number becomes the root, so roots are first members.
    if (a < b) std::swap(a, b);
    parent_[a] = b;
  }

 private:
  std::vector<std::size_t> parent_;
};

}  // namespace

const std::vector<SimilarCharacterPair>& default_similar_character_pairs() {
  static const std::vector<SimilarCharacterPair> pairs = [] {
    const char16_t kConfused[][2] = {{u'c', u'k'}, {u's', u'z'}, {u'i', u'y'},
                                     {u'm', u'n'}, {u'b', u'p'}, {u'd', u't'},
                                     {u'f', u'v'}, {u'g', u'j'}, {u'c', u's'},
                                     {u'k', u'q'}, {u'v', u'w'}};
    std::vector<SimilarCharacterPair> both_ways;
    for (const auto& pair : kConfused) {
      both_ways.push_back({pair[0], pair[1]});
      both_ways.push_back({pair[1], pair[0]});
    }
    return both_ways;
  }();
  return pairs;
}

std::vector<std::uint8_t> build_autosuggest_file(
    const std::vector<std::u16string>& words,
    const std::vector<std::vector<int>>& related_groups,
    const std::vector<SimilarCharacterPair>& pairs) {
  if (words.size() > kMaxWords) {
    throw std::invalid_argument(
        "autosuggest data: " + std::to_string(words.size()) +
        " words, more than 65536");
  }
  const std::vector<char16_t> characters = encodable_characters(words);
  std::vector<std::uint8_t> code_of(65536, 0);  // 0: not encodable
  for (std::size_t i = 0; i < characters.size(); ++i) {
    code_of[characters[i]] =
        static_cast<std::uint8_t>(autosuggest::kFirstCode + i);
  }
  const std::vector<std::uint16_t> next =
      related_map(words.size(), related_groups);
  const std::vector<Entry> entries = search_entries(words, code_of);
  // Cannot fail while word numbers are 16-bit; kept with the limit it guards.
  if (entries.size() > kMaxEntries) {
    throw std::invalid_argument("autosuggest data: too many words");
  }

  // `body` starts at absolute offset kFramingSize, after the length word.
  ByteWriter body;
  body.u32(0);  // offset of the Levenshtein section, patched below
  body.u32(0);  // offset of the encoding section, patched below
  body.u32(static_cast<std::uint32_t>(next.size()));
  for (std::uint16_t word_no : next) body.u16(word_no);

  body.patch_u32(autosuggest::kEncodingOffsetField - kFramingSize,
                 static_cast<std::uint32_t>(kFramingSize + body.size()));
  body.u32(static_cast<std::uint32_t>(characters.size()));
  for (char16_t c : characters) body.u16(c);
  std::set<std::pair<char16_t, char16_t>> written;
  std::vector<SimilarCharacterPair> kept;
  for (const SimilarCharacterPair& pair : pairs) {
    if (code_of[pair.dictionary] == 0 || code_of[pair.query] == 0 ||
        pair.dictionary == pair.query ||
        !written.insert({pair.dictionary, pair.query}).second) {
      continue;
    }
    kept.push_back(pair);
  }
  body.u32(static_cast<std::uint32_t>(kept.size()));
  for (const SimilarCharacterPair& pair : kept) {
    body.u8(code_of[pair.dictionary]);
    body.u8(code_of[pair.query]);
  }

  body.patch_u32(autosuggest::kLevenshteinOffsetField - kFramingSize,
                 static_cast<std::uint32_t>(kFramingSize + body.size()));
  body.u32(static_cast<std::uint32_t>(entries.size()));
  for (const Entry& entry : entries) body.u16(entry.word_no);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    body.u8(k == 0
                ? 0
                : shared_prefix_length(entries[k - 1].codes, entries[k].codes));
  }
  for (const Entry& entry : entries) {
    body.u8(static_cast<std::uint8_t>(entry.codes.size()));
  }
  for (const Entry& entry : entries) {
    for (std::uint8_t code : entry.codes) body.u8(code);
  }
  return frame(body.bytes());
}

std::vector<std::vector<int>> related_groups_by_suffix(
    const std::vector<std::u16string>& words,
    const std::vector<std::u16string>& suffixes) {
  std::unordered_map<std::u16string, std::vector<std::size_t>> numbers_of;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (!words[i].empty()) numbers_of[words[i]].push_back(i);
  }
  Groups groups(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i].empty()) continue;
    for (const std::u16string& suffix : suffixes) {
      if (suffix.empty()) continue;
      const auto found = numbers_of.find(words[i] + suffix);
      if (found == numbers_of.end()) continue;
      for (std::size_t other : found->second) groups.join(i, other);
    }
  }
  // Members are visited in ascending order, so each group comes out sorted
  // and the groups are created in the order of their first members.
  std::vector<std::vector<int>> result;
  std::vector<std::size_t> group_of_root(words.size(), words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::size_t root = groups.root(i);
    if (group_of_root[root] == words.size()) {
      group_of_root[root] = result.size();
      result.emplace_back();
    }
    result[group_of_root[root]].push_back(static_cast<int>(i));
  }
  result.erase(std::remove_if(result.begin(), result.end(),
                              [](const std::vector<int>& group) {
                                return group.size() < 2;
                              }),
               result.end());
  return result;
}

}  // namespace mkdata
}  // namespace tessera
