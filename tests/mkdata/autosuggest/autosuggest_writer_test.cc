#include "mkdata/autosuggest/autosuggest_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/little_endian.h"
#include "testing/hex.h"

namespace tessera {
namespace mkdata {
namespace {

using data::decode_u16;
using data::decode_u32;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// What a reader sees in an autosuggest file, decoded independently of the
// writer. Codes are turned back into text through the character list.
struct ParsedFile {
  struct Entry {
    std::uint16_t word_no;
    std::uint8_t shared_prefix;
    std::u16string text;
  };
  std::vector<std::uint16_t> related;
  std::vector<char16_t> characters;
  std::vector<std::pair<std::uint8_t, std::uint8_t>> pairs;
  std::vector<Entry> entries;
};

// Reads little-endian fields from a byte vector; throws std::out_of_range
// instead of reading past its end.
class Cursor {
 public:
  Cursor(const std::vector<std::uint8_t>& bytes, std::size_t position)
      : bytes_(bytes), position_(position) {}

  std::uint8_t u8() { return bytes_[advance(1)]; }
  std::uint16_t u16() { return decode_u16(&bytes_[advance(2)]); }
  std::uint32_t u32() { return decode_u32(&bytes_[advance(4)]); }
  std::size_t position() const { return position_; }

 private:
  std::size_t advance(std::size_t n) {
    if (position_ > bytes_.size() || n > bytes_.size() - position_) {
      throw std::out_of_range("read past the end of the file");
    }
    position_ += n;
    return position_ - n;
  }

  const std::vector<std::uint8_t>& bytes_;
  std::size_t position_;
};

// Decodes `bytes` and checks the framing: the length word equals the size,
// and the related map, the encoding section and the Levenshtein section
// follow one another with nothing between or after them. Throws
// std::runtime_error (or std::out_of_range) when they do not.
ParsedFile parse(const std::vector<std::uint8_t>& bytes) {
  ParsedFile file;
  Cursor header(bytes, 0);
  if (header.u32() != bytes.size()) {
    throw std::runtime_error("length word differs from the file size");
  }
  const std::uint32_t levenshtein_offset = header.u32();
  const std::uint32_t encoding_offset = header.u32();
  file.related.resize(header.u32());
  for (std::uint16_t& next : file.related) next = header.u16();
  if (header.position() != encoding_offset) {
    throw std::runtime_error("encoding section not after the related map");
  }

  Cursor encoding(bytes, encoding_offset);
  file.characters.resize(encoding.u32());
  for (char16_t& c : file.characters) c = encoding.u16();
  file.pairs.resize(encoding.u32());
  for (auto& pair : file.pairs) {
    pair.first = encoding.u8();
    pair.second = encoding.u8();
  }
  if (encoding.position() != levenshtein_offset) {
    throw std::runtime_error("Levenshtein section not after the encoding");
  }

  Cursor levenshtein(bytes, levenshtein_offset);
  file.entries.resize(levenshtein.u32());
  for (auto& entry : file.entries) entry.word_no = levenshtein.u16();
  for (auto& entry : file.entries) entry.shared_prefix = levenshtein.u8();
  std::vector<std::uint8_t> lengths;
  for (std::size_t k = 0; k < file.entries.size(); ++k) {
    lengths.push_back(levenshtein.u8());
  }
  for (std::size_t k = 0; k < file.entries.size(); ++k) {
    for (std::uint8_t i = 0; i < lengths[k]; ++i) {
      const std::uint8_t code = levenshtein.u8();
      if (code < 1 || code > file.characters.size()) {
        throw std::runtime_error("code outside the character list");
      }
      file.entries[k].text.push_back(file.characters[code - 1]);
    }
  }
  if (levenshtein.position() != bytes.size()) {
    throw std::runtime_error("bytes after the Levenshtein section");
  }
  return file;
}

// The number of leading code units that `a` and `b` share.
std::size_t common_prefix(const std::u16string& a, const std::u16string& b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

TEST(AutosuggestWriter, WritesTheLayoutByteForByte) {
  // Characters a, c, s, t get codes 1 to 4. Only c/s and s/c survive of the
  // pairs: k is not encodable, a/a pairs a character with itself, and the
  // last pair repeats the first.
  const std::vector<std::uint8_t> bytes = build_autosuggest_file(
      {u"cat", u"cats", u"act"}, {{0, 1}},
      {{u'c', u's'}, {u's', u'c'}, {u'c', u'k'}, {u'a', u'a'}, {u'c', u's'}});
  EXPECT_EQ(bytes, test::from_hex(
                       // length 68, Levenshtein section at 42, encoding
                       // section at 22, 3 related-map entries
                       "44000000 2a000000 16000000 03000000"
                       // cat -> cats -> cat; act alone
                       "0100 0000 0200"
                       // 4 characters a c s t; 2 pairs (c,s) (s,c)
                       "04000000 6100 6300 7300 7400 02000000 0203 0302"
                       // 3 entries: act, cat, cats
                       "03000000 0200 0000 0100"
                       // shared prefixes, lengths, codes
                       "00 00 03  03 03 04  010204 020104 02010403"));
}

TEST(AutosuggestWriter, EmptyWordlistGivesEmptySections) {
  EXPECT_EQ(build_autosuggest_file({}, {}, default_similar_character_pairs()),
            test::from_hex("1c000000 18000000 10000000 00000000"
                           "00000000 00000000 00000000"));
}

// Entry order and shared-prefix counts against a brute-force computation on
// the words themselves, over random words with many shared prefixes and
// duplicates, including empty words and words too long to be entries.
TEST(AutosuggestWriter, EntriesAreSortedWithTrueSharedPrefixes) {
  const std::uint32_t kSeed = 20240611;
  SCOPED_TRACE(testing::Message() << "seed " << kSeed);
  std::mt19937 rng(kSeed);
  std::vector<std::u16string> words;
  for (int i = 0; i < 4000; ++i) {
    std::u16string word(rng() % 36, u'a');
    for (char16_t& c : word) c = static_cast<char16_t>(u'a' + rng() % 4);
    // Some words outside Latin, to exercise ordering by code unit value.
    if (rng() % 8 == 0 && !word.empty()) word.back() = u'\u00e9';
    if (rng() % 16 == 0 && !word.empty()) word.front() = u'\u0436';
    words.push_back(word);
  }

  const ParsedFile file = parse(build_autosuggest_file(words, {}, {}));

  std::vector<std::pair<std::u16string, int>> expected;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (!words[i].empty() && words[i].size() <= 31) {
      expected.emplace_back(words[i], static_cast<int>(i));
    }
  }
  std::sort(expected.begin(), expected.end());
  ASSERT_EQ(file.entries.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "entry " << k);
    EXPECT_EQ(file.entries[k].word_no, expected[k].second);
    EXPECT_EQ(file.entries[k].text, expected[k].first);
    EXPECT_EQ(
        std::size_t{file.entries[k].shared_prefix},
        k == 0 ? 0 : common_prefix(expected[k - 1].first, expected[k].first));
    if (HasFailure()) break;  // one wrong entry shifts all that follow
  }
  EXPECT_THAT(file.characters,
              ElementsAre(u'a', u'b', u'c', u'd', u'\u00e9', u'\u0436'));
}

TEST(AutosuggestWriter, LeavesOutEmptyAndOverlongWords) {
  const std::u16string kLongest(31, u'x');
  const std::u16string kTooLong = std::u16string(31, u'x') + u"z";
  const ParsedFile file =
      parse(build_autosuggest_file({kTooLong, u"", kLongest, u"x"}, {}, {}));
  ASSERT_EQ(file.entries.size(), 2u);
  EXPECT_EQ(file.entries[0].word_no, 3);
  EXPECT_EQ(file.entries[1].word_no, 2);
  EXPECT_EQ(file.entries[1].text, kLongest);
  EXPECT_EQ(file.entries[1].shared_prefix, 1);
  // The left-out words keep their places in the related map, and their
  // characters stay encodable.
  EXPECT_EQ(file.related.size(), 4u);
  EXPECT_THAT(file.characters, ElementsAre(u'x', u'z'));
}

TEST(AutosuggestWriter, EncodesAtMost126Characters) {
  std::vector<std::u16string> words;
  for (char16_t c = 0x100; c < 0x100 + 126; ++c) words.push_back({c});
  EXPECT_EQ(parse(build_autosuggest_file(words, {}, {})).characters.size(),
            126u);
  words.push_back(u"\u0100\u5000");
  EXPECT_THROW(build_autosuggest_file(words, {}, {}), std::runtime_error);
}

TEST(AutosuggestWriter, SuffixGroupsBecomeRings) {
  const std::vector<std::u16string> words = {
      u"cat", u"box", u"dog", u"boxes", u"as",    u"cats", u"a",    u"",
      u"s",   u"ass", u"bus", u"buses", u"boxes", u"es",   u"catss"};
  const std::vector<std::vector<int>> groups =
      related_groups_by_suffix(words, {u"s", u"es", u""});
  // "boxes" twice joins both copies to "box"; "a", "as" and "ass" chain;
  // "catss" hangs on "cats"; the empty word relates nothing to "s" or "es".
  EXPECT_THAT(groups, ElementsAre(ElementsAre(0, 5, 14), ElementsAre(1, 3, 12),
                                  ElementsAre(4, 6, 9), ElementsAre(10, 11)));

  const ParsedFile file = parse(build_autosuggest_file(words, groups, {}));
  ASSERT_EQ(file.related.size(), words.size());
  for (std::size_t k = 0; k < words.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "word " << k);
    std::set<int> expected = {static_cast<int>(k)};
    for (const auto& group : groups) {
      if (std::count(group.begin(), group.end(), static_cast<int>(k)) != 0) {
        expected = std::set<int>(group.begin(), group.end());
      }
    }
    // Walk the ring; it must close within its own size and meet each member
    // once.
    std::vector<int> visited = {static_cast<int>(k)};
    std::size_t next = file.related[k];
    while (next != k && visited.size() <= words.size()) {
      visited.push_back(static_cast<int>(next));
      next = file.related[next];
    }
    EXPECT_EQ(next, k);
    std::sort(visited.begin(), visited.end());
    EXPECT_THAT(visited, ElementsAreArray(expected));
  }
}

TEST(AutosuggestWriter, RingsFollowTheGivenOrder) {
  const ParsedFile file = parse(build_autosuggest_file(
      {u"a", u"b", u"c", u"d", u"e", u"f"}, {{4, 1, 3}, {5}, {}}, {}));
  EXPECT_THAT(file.related, ElementsAre(0, 3, 2, 4, 1, 5));
}

TEST(AutosuggestWriter, RejectsMalformedGroups) {
  const struct {
    const char* what;
    std::vector<std::vector<int>> groups;
  } kCases[] = {
      {"number past the last word", {{0, 3}}},
      {"negative number", {{-1, 1}}},
      {"word in two groups", {{0, 1}, {2, 1}}},
      {"word twice in one group", {{2, 0, 2}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(build_autosuggest_file({u"a", u"b", u"c"}, c.groups, {}),
                 std::invalid_argument);
  }
}

TEST(AutosuggestWriter, RejectsMoreWordsThanNumbersHold) {
  EXPECT_NO_THROW(
      build_autosuggest_file(std::vector<std::u16string>(65536, u"a"), {}, {}));
  EXPECT_THROW(
      build_autosuggest_file(std::vector<std::u16string>(65537, u"a"), {}, {}),
      std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
