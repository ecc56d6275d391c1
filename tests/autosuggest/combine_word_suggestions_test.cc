#include "autosuggest/combine_word_suggestions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <set>
#include <vector>

namespace tessera {
namespace autosuggest {
namespace {

using levenshtein::SimilarWord;
using Words = std::vector<SimilarWord>;

// Candidates numbered from `first_word`, with the given scores.
Words candidates(int first_word, const std::vector<int>& scores) {
  Words words;
  for (std::size_t i = 0; i < scores.size(); ++i) {
    words.push_back({first_word + static_cast<int>(i), scores[i]});
  }
  return words;
}

TEST(CombineWordSuggestions, ReturnsTheWholeProductInOrder) {
  const Words first = candidates(100, {0, 3});
  const Words second = candidates(200, {1, 1, 4});
  const Words third = candidates(300, {0, 2, 2, 9});
  const std::vector<SimilarTWA> all =
      combine_word_suggestions(first, second, third, 24);
  ASSERT_EQ(all.size(), 24u);
  std::set<std::array<std::int32_t, 3>> triples;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const auto& w = all[i].words;
    triples.insert(w);
    EXPECT_EQ(all[i].score, first[w[0] - 100].score + second[w[1] - 200].score +
                                third[w[2] - 300].score);
    if (i > 0) {
      EXPECT_LE(all[i - 1].score, all[i].score);
    }
  }
  EXPECT_EQ(triples.size(), 24u);
  EXPECT_EQ(combine_word_suggestions(first, second, third, 100).size(), 24u);
}

TEST(CombineWordSuggestions, BreaksTiesInTheOrderCellsWereMade) {
  const std::vector<SimilarTWA> best = combine_word_suggestions(
      candidates(10, {0, 1}), candidates(20, {0, 1, 2}),
      candidates(30, {0, 1, 1, 5}), 5);
  const std::vector<SimilarTWA> expected = {{{10, 20, 30}, 0},
                                            {{11, 20, 30}, 1},
                                            {{10, 21, 30}, 1},
                                            {{10, 20, 31}, 1},
                                            {{10, 20, 32}, 1}};
  EXPECT_EQ(best, expected);
}

TEST(CombineWordSuggestions, EmitsASharedTripleOnceWithItsBestScore) {
  const std::vector<OptionsForEachSlot> options = {
      {{{{1, 0}}, {{2, 0}}, {{3, 4}}}},
      {{{{1, 1}}, {{2, 1}}, {{3, 0}, {4, 0}}}},
  };
  const std::vector<SimilarTWA> expected = {{{1, 2, 3}, 2}, {{1, 2, 4}, 2}};
  EXPECT_EQ(combine_word_suggestions(options, 10), expected);
}

TEST(CombineWordSuggestions, EmptyListOrNothingAskedGivesNothing) {
  const Words some = candidates(0, {1, 2});
  EXPECT_TRUE(combine_word_suggestions(some, {}, some, 10).empty());
  EXPECT_TRUE(combine_word_suggestions(some, some, some, 0).empty());
  EXPECT_TRUE(
      combine_word_suggestions(std::vector<OptionsForEachSlot>{}, 5).empty());
}

TEST(CombineWordSuggestions, AgreesWithASortedProduct) {
  const std::uint32_t seed = 77031;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  std::mt19937 random(seed);
  auto uniform = [&](int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(random);
  };
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    std::array<Words, 3> lists;
    for (int slot = 0; slot < 3; ++slot) {
      std::vector<int> scores(uniform(1, 6));
      for (int& s : scores) s = uniform(0, 20);
      std::sort(scores.begin(), scores.end());
      lists[slot] = candidates(100 * slot, scores);
    }
    std::vector<int> totals;
    for (const auto& a : lists[0]) {
      for (const auto& b : lists[1]) {
        for (const auto& c : lists[2]) {
          totals.push_back(a.score + b.score + c.score);
        }
      }
    }
    std::sort(totals.begin(), totals.end());
    const int n = uniform(1, 250);
    const std::vector<SimilarTWA> best =
        combine_word_suggestions(lists[0], lists[1], lists[2], n);
    ASSERT_EQ(best.size(), std::min<std::size_t>(n, totals.size()));
    std::set<std::array<std::int32_t, 3>> seen;
    for (std::size_t i = 0; i < best.size(); ++i) {
      EXPECT_EQ(best[i].score, totals[i]);
      EXPECT_TRUE(seen.insert(best[i].words).second);
    }
  }
}

}  // namespace
}  // namespace autosuggest
}  // namespace tessera
