#include "wordlist/located_wordlist_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "tessera/error.h"
#include "testing/data_files.h"
#include "testing/hex.h"
#include "testing/temp_dir.h"
#include "wordlist/jenkins_hash.h"

namespace tessera {
namespace wordlist {
namespace {

using Guess = Optional<std::pair<Language, int>>;

const std::vector<Language> kLanguages = {Language("en"), Language("fr")};

void append_u32(std::string& bytes, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(v >> 8 * i));
}

// A framed index file of the given seeds, declared table size and slots.
std::string index_file(const std::uint32_t (&seeds)[3], std::uint32_t m,
                       const std::vector<std::uint32_t>& slots) {
  std::string body;
  for (std::uint32_t seed : seeds) append_u32(body, seed);
  append_u32(body, m);
  for (std::uint32_t slot : slots) append_u32(body, slot);
  std::string file;
  append_u32(file, static_cast<std::uint32_t>(body.size() + 4));
  return file + body;
}

// Looks `word` up in `file` through both sources and expects them to agree.
Guess guess(const std::string& file, const std::u16string& word) {
  test::TempDir dir;
  const std::string path = dir.write_file("index.data", file);
  const LocatedWordlistIndex<data::OnDisk> on_disk(kLanguages,
                                                   test::open_on_disk(path));
  const LocatedWordlistIndex<data::InMemory> in_memory(
      kLanguages, data::InMemory(std::vector<char>(file.begin(), file.end())));
  const Guess from_disk = on_disk.guess_language_and_offset(word);
  EXPECT_EQ(from_disk, in_memory.guess_language_and_offset(word))
      << "the sources disagree";
  return from_disk;
}

// Expects FileError from building an index over `file` through either
// source, or, when `word` is given, from looking it up.
void expect_file_error(const std::string& file, const char16_t* word) {
  test::TempDir dir;
  const std::string path = dir.write_file("index.data", file);
  EXPECT_THROW(
      {
        LocatedWordlistIndex<data::OnDisk> index(kLanguages,
                                                 test::open_on_disk(path));
        if (word != nullptr) index.guess_language_and_offset(word);
      },
      FileError);
  EXPECT_THROW(
      {
        LocatedWordlistIndex<data::InMemory> index(
            kLanguages,
            data::InMemory(std::vector<char>(file.begin(), file.end())));
        if (word != nullptr) index.guess_language_and_offset(word);
      },
      FileError);
}

// With one slot, every word's three hashes land on slot 0 and the selector
// sum 3g picks it, so the slot alone decides the outcome.
TEST(LocatedWordlistIndex, ReadsLanguageAndOffsetFromTheSlot) {
  // Seeds 1, 2, 3; M = 1; slot 0x82123456: selector 2, language 2 ("fr"),
  // record offset 0x123456.
  const std::string file = test::bytes_from_hex(
      "18000000 01000000 02000000 03000000 01000000 56341282");
  const Guess found = guess(file, u"word");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->first, Language("fr"));
  EXPECT_EQ(found->second, 0x123456);

  const struct {
    std::uint32_t slot;
    bool found;
    const char* language;
    int offset;
  } kCases[] = {
      {0x01000000, true, "en", 0},
      {0x41FFFFFF, true, "en", 0xFFFFFF},
      {0x00000000, false, "", 0},
      // Language number 0 means no word, whatever the other bits hold.
      {0xC0ABCDEF, false, "", 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.slot);
    const Guess g = guess(index_file({1, 2, 3}, 1, {c.slot}), u"");
    ASSERT_EQ(g.has_value(), c.found);
    if (c.found) {
      EXPECT_EQ(g->first, Language(c.language));
      EXPECT_EQ(g->second, c.offset);
    }
  }
}

TEST(LocatedWordlistIndex, SelectorSumModThreePicksTheSlot) {
  // Seeds under which the word's three slots in a table of 7 differ.
  const std::u16string word = u"\u00e9t\u00e9";
  constexpr std::uint32_t kSize = 7;
  std::uint32_t seeds[3];
  std::uint32_t position[3];
  bool distinct = false;
  for (std::uint32_t s = 0; !distinct && s < 100; ++s) {
    for (int i = 0; i < 3; ++i) {
      seeds[i] = s * 3 + i;
      position[i] = wordlist::jenkins_hash(word, seeds[i]) % kSize;
    }
    distinct = position[0] != position[1] && position[0] != position[2] &&
               position[1] != position[2];
  }
  ASSERT_TRUE(distinct);

  // Selectors of the word's slots 0, 1, 2, and which of them is selected.
  const struct {
    std::uint32_t g[3];
    int selected;
  } kCases[] = {
      {{0, 0, 0}, 0}, {{0, 1, 0}, 1}, {{0, 0, 2}, 2}, {{1, 1, 0}, 2},
      {{2, 2, 0}, 1}, {{3, 0, 0}, 0}, {{3, 3, 2}, 2}, {{3, 3, 3}, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.g[0] << c.g[1] << c.g[2]);
    // Every slot of the table holds a word of "en" at its own index; the
    // word's three slots get the selectors of the case.
    std::vector<std::uint32_t> slots(kSize);
    for (std::uint32_t j = 0; j < kSize; ++j) slots[j] = 0x01000000 | j;
    for (int i = 0; i < 3; ++i) slots[position[i]] |= c.g[i] << 30;
    const Guess g = guess(index_file(seeds, kSize, slots), word);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(g->second, static_cast<int>(position[c.selected]));
  }
}

TEST(LocatedWordlistIndex, CorruptFilesThrowFileError) {
  // Table size 0.
  expect_file_error(index_file({1, 2, 3}, 0, {}), nullptr);
  // Two slots declared, one present.
  expect_file_error(index_file({1, 2, 3}, 2, {0x01000000}), nullptr);
  // A table size whose byte count overflows 32 bits.
  expect_file_error(index_file({1, 2, 3}, 0x40000001, {0x01000000}), nullptr);
  // Language numbers 3 and 63 lie beyond the list of two.
  expect_file_error(index_file({1, 2, 3}, 1, {0x03000000}), u"word");
  expect_file_error(index_file({1, 2, 3}, 1, {0x3F000000}), u"word");
}

TEST(LocatedWordlistIndex, EveryTruncationThrowsFileError) {
  const std::string whole =
      index_file({1, 2, 3}, 3, {0x01000000, 0x01000001, 0x01000002});
  for (std::size_t length = 4; length < whole.size(); ++length) {
    SCOPED_TRACE(testing::Message() << "length " << length);
    // The length word matches the truncated file, so only the index's own
    // checks can catch it.
    std::string framed;
    append_u32(framed, static_cast<std::uint32_t>(length));
    expect_file_error(framed + whole.substr(4, length - 4), nullptr);
  }
}

}  // namespace
}  // namespace wordlist
}  // namespace tessera
