#include "autosuggest/related_words.h"

#include <gtest/gtest.h>

#include <vector>

#include "autosuggest/autosuggest_test_data.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace {

using levenshtein::SimilarWord;
using Words = std::vector<SimilarWord>;

TEST(RelatedWords, WalksTheRingOnce) {
  // Rings: 0 -> 2 -> 4 -> 0 and 1 -> 3 -> 1; word 5 alone.
  const auto data = test::built_autosuggest_data({"a", "b", "c", "d", "e", "f"},
                                                 {{0, 2, 4}, {1, 3}});
  EXPECT_EQ(related_word_numbers(*data, 0), (std::vector<int>{2, 4}));
  EXPECT_EQ(related_word_numbers(*data, 4), (std::vector<int>{0, 2}));
  EXPECT_EQ(related_word_numbers(*data, 3), (std::vector<int>{1}));
  EXPECT_TRUE(related_word_numbers(*data, 5).empty());
  EXPECT_THROW(related_word_numbers(*data, 6), FileError);
}

TEST(RelatedWords, AddsRingMembersAtSixMore) {
  const auto data = test::built_autosuggest_data({"a", "b", "c", "d", "e", "f"},
                                                 {{0, 2, 4}, {1, 3}});
  const struct {
    const char* name;
    Words input, expected;
  } kCases[] = {
      {"ring members join", {{0, 3}}, {{0, 3}, {2, 9}, {4, 9}}},
      {"a lower direct score stays",
       {{0, 3}, {2, 8}},
       {{0, 3}, {2, 8}, {4, 9}}},
      {"an equal direct score stays",
       {{0, 3}, {2, 9}},
       {{0, 3}, {2, 9}, {4, 9}}},
      {"a higher direct score gives way",
       {{0, 3}, {2, 20}},
       {{0, 3}, {2, 9}, {4, 9}}},
      {"a repeated word keeps its lower score",
       {{5, 7}, {5, 4}, {1, 30}},
       {{5, 4}, {1, 30}, {3, 36}}},
      {"two rings", {{1, 0}, {4, 2}}, {{1, 0}, {3, 6}, {4, 2}, {0, 8}, {2, 8}}},
      {"nothing in, nothing out", {}, {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Words expected = c.expected;
    std::sort(expected.begin(), expected.end(),
              levenshtein::CmpSimilarWordByScore());
    EXPECT_EQ(with_related_words(*data, c.input), expected);
  }
}

}  // namespace
}  // namespace autosuggest
}  // namespace tessera
