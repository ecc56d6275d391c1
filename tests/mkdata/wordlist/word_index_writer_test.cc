#include "mkdata/wordlist/word_index_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/in_memory.h"
#include "wordlist/jenkins_hash.h"
#include "wordlist/located_wordlist_index.h"

namespace tessera {
namespace mkdata {
namespace {

using wordlist::LocatedWordlistIndex;

std::uint32_t u32_at(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
         std::uint32_t{bytes[at + 2]} << 16 |
         std::uint32_t{bytes[at + 3]} << 24;
}

// The slot a word selects, read straight from the file's bytes: header at
// 4 (three seeds, then M), slots from 20, the selector in the top two bits.
std::uint32_t selected_slot(const std::vector<std::uint8_t>& file,
                            const std::u16string& key) {
  const std::uint32_t m = u32_at(file, 16);
  std::uint32_t slots[3];
  std::uint32_t sum = 0;
  for (int i = 0; i < 3; ++i) {
    const std::uint32_t h =
        wordlist::jenkins_hash(key, u32_at(file, 4 + 4 * i));
    slots[i] = u32_at(file, 20 + 4 * std::size_t{h % m});
    sum += slots[i] >> 30;
  }
  return slots[sum % 3];
}

LocatedWordlistIndex<data::InMemory> index_over(
    const std::vector<Language>& languages,
    const std::vector<std::uint8_t>& file) {
  return LocatedWordlistIndex<data::InMemory>(
      languages, data::InMemory(std::vector<char>(file.begin(), file.end())));
}

// `count` distinct random keys of 1 to 10 code units, drawn from a fixed
// seed.
std::vector<std::u16string> random_keys(std::uint32_t seed, int count) {
  std::mt19937 random(seed);
  std::set<std::u16string> keys;
  while (static_cast<int>(keys.size()) < count) {
    std::u16string key(1 + random() % 10, u'\0');
    for (char16_t& unit : key) {
      // Mostly Latin letters, some units from anywhere in the BMP.
      unit = random() % 4 == 0 ? static_cast<char16_t>(1 + random() % 0xFFFF)
                               : static_cast<char16_t>(u'a' + random() % 26);
    }
    keys.insert(key);
  }
  return std::vector<std::u16string>(keys.begin(), keys.end());
}

TEST(WordIndexWriter, EveryKeyFindsItsOwnLanguageAndOffset) {
  const std::uint32_t kSeed = 4242;
  SCOPED_TRACE(testing::Message() << "random seed " << kSeed);
  const std::vector<Language> languages = {Language("en"), Language("fr"),
                                           Language("de")};
  const std::vector<std::u16string> keys = random_keys(kSeed, 50000);
  std::mt19937 random(kSeed + 1);
  std::map<Language, std::vector<IndexedWord>> words;
  for (const std::u16string& key : keys) {
    words[languages[random() % 3]].push_back(
        {key, static_cast<std::uint32_t>(random() % (1u << 24))});
  }
  const std::vector<std::uint8_t> file = word_index_file(languages, words);

  // The framing and the table size: about 1.23 slots per key.
  ASSERT_GE(file.size(), 20u);
  const std::uint32_t m = u32_at(file, 16);
  EXPECT_EQ(u32_at(file, 0), file.size());
  EXPECT_EQ(file.size(), 20 + 4 * std::size_t{m});
  EXPECT_GE(m, 61500u);
  EXPECT_LE(m, 64000u);

  const auto index = index_over(languages, file);
  for (const auto& entry : words) {
    for (const IndexedWord& word : entry.second) {
      const auto found = index.guess_language_and_offset(word.normalised);
      ASSERT_TRUE(found.has_value());
      ASSERT_EQ(found->first, entry.first);
      ASSERT_EQ(found->second, static_cast<int>(word.record_offset));
    }
  }
  EXPECT_EQ(word_index_file(languages, words), file) << "not deterministic";
}

TEST(WordIndexWriter, LanguageWithoutWordsKeepsItsNumber) {
  const std::vector<Language> languages = {Language("en"), Language("fr"),
                                           Language("de")};
  const std::map<Language, std::vector<IndexedWord>> words = {
      {Language("en"), {{u"house", 8}, {u"tree", 20}}},
      {Language("de"), {{u"haus", 12}, {u"baum", 0xFFFFFF}}},
  };
  const std::vector<std::uint8_t> file = word_index_file(languages, words);
  // fr keeps number 2 although it has no words: de is number 3.
  const struct {
    const char16_t* key;
    const char* language;
    std::uint32_t number;
    std::uint32_t offset;
  } kCases[] = {
      {u"house", "en", 1, 8},
      {u"tree", "en", 1, 20},
      {u"haus", "de", 3, 12},
      {u"baum", "de", 3, 0xFFFFFF},
  };
  const auto index = index_over(languages, file);
  for (const auto& c : kCases) {
    const std::u16string key = c.key;
    SCOPED_TRACE(testing::Message() << c.language << " " << c.offset);
    const std::uint32_t slot = selected_slot(file, key);
    EXPECT_EQ(slot >> 24 & 0x3F, c.number);
    EXPECT_EQ(slot & 0xFFFFFF, c.offset);
    const auto found = index.guess_language_and_offset(key);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->first.code, c.language);
    EXPECT_EQ(found->second, static_cast<int>(c.offset));
  }
}

TEST(WordIndexWriter, EmptyInputGivesAnIndexThatFindsNothing) {
  const std::vector<Language> languages = {Language("en")};
  const std::vector<std::uint8_t> file = word_index_file(languages, {});
  ASSERT_GE(file.size(), 20u);
  EXPECT_GT(u32_at(file, 16), 0u);
  EXPECT_FALSE(index_over(languages, file)
                   .guess_language_and_offset(u"anything")
                   .has_value());
}

TEST(WordIndexWriter, RejectsInputItCannotIndex) {
  const std::vector<Language> languages = {Language("en"), Language("fr")};
  const struct {
    const char* what;
    std::map<Language, std::vector<IndexedWord>> words;
  } kCases[] = {
      {"same key twice in one language",
       {{Language("en"), {{u"word", 8}, {u"word", 20}}}}},
      {"same key in two languages",
       {{Language("en"), {{u"word", 8}}}, {Language("fr"), {{u"word", 8}}}}},
      {"language not in the list", {{Language("de"), {{u"wort", 8}}}}},
      {"record offset of 2^24", {{Language("en"), {{u"word", 1u << 24}}}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(word_index_file(languages, c.words), std::invalid_argument);
  }

  std::vector<Language> many;
  for (char a = 'a'; a <= 'z' && many.size() < 64; ++a) {
    for (char b = 'a'; b <= 'z' && many.size() < 64; ++b) {
      if (Language::is_valid(std::string{a, b}).code == 0) {
        many.emplace_back(std::string{a, b});
      }
    }
  }
  ASSERT_EQ(many.size(), 64u);
  EXPECT_NO_THROW(word_index_file(many, {{many[62], {{u"word", 8}}}}));
  EXPECT_THROW(word_index_file(many, {{many[63], {{u"word", 8}}}}),
               std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
