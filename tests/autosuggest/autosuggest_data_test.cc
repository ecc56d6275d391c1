#include "autosuggest/autosuggest_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_test_data.h"
#include "autosuggest/levenshtein/mass_levenshtein.h"
#include "autosuggest/related_words.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace {

using test::in_memory;
using test::literal_autosuggest_file;
using Bytes = std::vector<std::uint8_t>;

void put_u32(Bytes& bytes, std::size_t offset, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = (v >> (8 * i)) & 0xFF;
}

void put_u16(Bytes& bytes, std::size_t offset, std::uint16_t v) {
  bytes[offset] = v & 0xFF;
  bytes[offset + 1] = v >> 8;
}

// Cuts the file to `size` bytes and makes its length field say so, so that
// the reader gets past the length check to the field that was cut.
Bytes shrunk(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  if (size >= 4) put_u32(bytes, 0, static_cast<std::uint32_t>(size));
  return bytes;
}

TEST(AutosuggestData, ReadsTheLiteralFile) {
  const auto data =
      read_autosuggest_data(in_memory(literal_autosuggest_file()));
  EXPECT_EQ(data->encodable_characters(), (std::vector<char16_t>{u'a', u'b'}));
  ASSERT_EQ(data->similar_pairs().size(), 1u);
  EXPECT_EQ(data->similar_pairs()[0].dictionary, 1);
  EXPECT_EQ(data->similar_pairs()[0].query, 2);
  EXPECT_EQ(data->related_ids_cyclic_map_size(), 3u);
  EXPECT_EQ(data->related_word(0), 1);
  EXPECT_EQ(data->related_word(1), 0);
  EXPECT_EQ(data->related_word(2), 2);
  EXPECT_THROW(data->related_word(3), FileError);
  EXPECT_THROW(data->related_word(-1), FileError);

  const LevenshteinTable& table = data->levenshtein_table();
  ASSERT_EQ(table.entry_count(), 3u);
  EXPECT_EQ(table.word_no(1), 1);
  EXPECT_EQ(table.shared_prefix(1), 2);
  EXPECT_EQ(table.length(1), 3);
  EXPECT_EQ(table.codes()[5], 3);
  EXPECT_EQ(data->start_of_levenshtein_data(),
            table.codes() - (test::kLiteralCodes - test::kLiteralLevenshtein));
}

// Each row corrupts one field of the literal file and keeps the rest valid.
TEST(AutosuggestData, RejectsCorruptData) {
  const struct {
    const char* name;
    std::function<void(Bytes&)> corrupt;
    const char* message;  // a part of the expected message
  } kCases[] = {
      {"length field too large", [](Bytes& b) { put_u32(b, 0, 59); },
       "length field"},
      {"length field too small", [](Bytes& b) { put_u32(b, 0, 57); },
       "length field"},
      {"map size beyond the file", [](Bytes& b) { put_u32(b, 12, 0xFFFFFFFF); },
       "related-words map"},
      {"map entry outside the map",
       [](Bytes& b) { put_u16(b, test::kLiteralRelatedMap + 4, 3); },
       "outside the map"},
      {"ring that never returns",
       [](Bytes& b) { put_u16(b, test::kLiteralRelatedMap + 2, 1); },
       "does not return"},
      {"encoding offset at the end", [](Bytes& b) { put_u32(b, 8, 58); },
       "pass the end"},
      {"encoding offset that would wrap",
       [](Bytes& b) { put_u32(b, 8, 0xFFFFFFFE); }, "lies outside"},
      {"127 characters",
       [](Bytes& b) { put_u32(b, test::kLiteralEncoding, 127); },
       "Wordlist invalid (too many encodable characters)"},
      {"huge character count",
       [](Bytes& b) { put_u32(b, test::kLiteralEncoding, 0x80000000); },
       "Wordlist invalid (too many encodable characters)"},
      {"huge pair count",
       [](Bytes& b) { put_u32(b, test::kLiteralPairs, 0x7FFFFFFF); },
       "similar-character pairs"},
      {"pair code 0", [](Bytes& b) { b[test::kLiteralPairs + 4] = 0; },
       "pair 0"},
      {"pair code above c + 1",
       [](Bytes& b) { b[test::kLiteralPairs + 5] = 4; }, "pair 0"},
      {"Levenshtein offset at the end", [](Bytes& b) { put_u32(b, 4, 55); },
       "pass the end"},
      {"Levenshtein offset that would wrap",
       [](Bytes& b) { put_u32(b, 4, 0xFFFFFFFF); }, "lies outside"},
      {"1,048,577 entries",
       [](Bytes& b) { put_u32(b, test::kLiteralLevenshtein, 1048577); },
       "Wordlist invalid (too many encoded words)"},
      {"more entries than bytes",
       [](Bytes& b) { put_u32(b, test::kLiteralLevenshtein, 5); },
       "do not fit"},
      {"entry of length 0", [](Bytes& b) { b[test::kLiteralLengths + 2] = 0; },
       "has 0 codes"},
      {"entry of length 32", [](Bytes& b) { b[test::kLiteralLengths] = 32; },
       "has 32 codes"},
      {"lengths beyond the codes",
       [](Bytes& b) { b[test::kLiteralLengths + 2] = 2; }, "passes the end"},
      {"first entry shares a prefix",
       [](Bytes& b) { b[test::kLiteralSharedPrefixes] = 1; }, "shares 1"},
      {"prefix longer than the previous entry",
       [](Bytes& b) { b[test::kLiteralSharedPrefixes + 1] = 3; }, "shares 3"},
      {"prefix longer than the entry",
       [](Bytes& b) { b[test::kLiteralSharedPrefixes + 2] = 2; }, "shares 2"},
      {"prefix that is not shared",
       [](Bytes& b) { b[test::kLiteralSharedPrefixes + 2] = 1; },
       "does not share"},
      {"code 0", [](Bytes& b) { b[test::kLiteralCodes + 5] = 0; },
       "the code 0"},
      {"code above c + 1", [](Bytes& b) { b[test::kLiteralCodes + 5] = 4; },
       "the code 4"},
      {"word number outside the map",
       [](Bytes& b) { put_u16(b, test::kLiteralWordNumbers + 4, 3); },
       "word number 3"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Bytes bytes = literal_autosuggest_file();
    c.corrupt(bytes);
    try {
      read_autosuggest_data(in_memory(bytes));
      ADD_FAILURE() << "no FileError";
    } catch (const FileError& e) {
      EXPECT_THAT(e.what(), testing::StartsWith(
                                "Integrity failure (data files corrupted): "));
      EXPECT_THAT(e.what(), testing::HasSubstr(c.message));
    }
  }
}

TEST(AutosuggestData, RejectsEveryTruncation) {
  const Bytes bytes = literal_autosuggest_file();
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_THROW(read_autosuggest_data(in_memory(shrunk(bytes, size))),
                 FileError);
    Bytes cut(bytes.begin(), bytes.begin() + size);
    EXPECT_THROW(read_autosuggest_data(in_memory(cut)), FileError);
  }
}

// Whatever bytes are damaged, the data is either rejected or safe to use:
// the search and the walks along the rings run without reading outside the
// file or looping forever (the sanitizer builds watch the reads).
TEST(AutosuggestData, DamagedBytesAreRejectedOrHarmless) {
  const Bytes original = mkdata::build_autosuggest_file(
      {u"cat", u"cats", u"cut", u"dog", u"dot", u"do"}, {{0, 1}, {3, 4, 5}},
      mkdata::default_similar_character_pairs());
  const std::uint32_t seed = 5150;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  std::mt19937 random(seed);
  for (int round = 0; round < 3000; ++round) {
    Bytes bytes = original;
    const int flips = 1 + round % 3;
    for (int f = 0; f < flips; ++f) {
      const std::size_t at = std::uniform_int_distribution<std::size_t>(
          0, bytes.size() - 1)(random);
      bytes[at] = static_cast<std::uint8_t>(random());
    }
    std::unique_ptr<const AutosuggestData> data;
    try {
      data = read_autosuggest_data(in_memory(bytes));
    } catch (const FileError&) {
      continue;
    }
    const levenshtein::MassLevenshtein search(*data);
    for (const char16_t* query :
         {u"", u"cat", u"dgo", u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"}) {
      for (const levenshtein::SimilarWord& w :
           search.recompute_similar_words_to(query, 4)) {
        ASSERT_GE(w.word_no, 0);
        ASSERT_LT(static_cast<std::uint32_t>(w.word_no),
                  data->related_ids_cyclic_map_size());
      }
    }
    for (std::uint32_t k = 0; k < data->related_ids_cyclic_map_size(); ++k) {
      ASSERT_LT(related_word_numbers(*data, static_cast<int>(k)).size(),
                data->related_ids_cyclic_map_size());
    }
  }
}

TEST(AutosuggestData, ConstructorChecksTheCharacterCount) {
  Bytes bytes = literal_autosuggest_file();
  std::vector<char16_t> characters(127, u'a');
  try {
    AutosuggestData data(std::move(characters), {}, in_memory(bytes));
    ADD_FAILURE() << "no FileError";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(),
                 "Integrity failure (data files corrupted): Wordlist invalid "
                 "(too many encodable characters).");
  }
}

TEST(AutosuggestData, ReadsWhatTheBuilderWrites) {
  const auto data = test::built_autosuggest_data({"cat", "cats", "dog", ""},
                                                 {{0, 1}}, {{u'c', u'd'}});
  EXPECT_EQ(data->encodable_characters(),
            (std::vector<char16_t>{u'a', u'c', u'd', u'g', u'o', u's', u't'}));
  EXPECT_EQ(data->related_ids_cyclic_map_size(), 4u);
  EXPECT_EQ(data->related_word(0), 1);
  EXPECT_EQ(data->related_word(3), 3);
  // The empty word is not in the search table.
  EXPECT_EQ(data->levenshtein_table().entry_count(), 3u);
}

}  // namespace
}  // namespace autosuggest
}  // namespace tessera
