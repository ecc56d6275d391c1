#include "autosuggest/levenshtein/mass_levenshtein.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "autosuggest/autosuggest_test_data.h"
#include "core/utf16.h"

namespace tessera {
namespace autosuggest {
namespace levenshtein {
namespace {

using Words = std::vector<SimilarWord>;

Words search(const MassLevenshtein& search, const std::string& query, int n) {
  return search.recompute_similar_words_to(core::to_u16string(query), n);
}

TEST(MassLevenshtein, ScoresTheLiteralFile) {
  // Words: 0 "ab", 1 "abb", 2 a character outside the list; the pair makes
  // 'a' in the dictionary for 'b' in the query cost 7.
  const auto data =
      read_autosuggest_data(test::in_memory(test::literal_autosuggest_file()));
  const MassLevenshtein m(*data);
  const struct {
    const char* query;
    Words expected;
  } kCases[] = {
      {"ab", {{0, 0}, {1, 12}, {2, 24}}},
      // 'a' for 'b' is a listed pair.
      {"bb", {{0, 7}, {1, 12}, {2, 24}}},
      // One transposition; "abb" needs it and an insertion.
      {"ba", {{0, 5}, {2, 24}, {1, 17}}},
      // Two characters outside the list are not equal.
      {"x", {{2, 12}, {0, 24}, {1, 36}}},
      {"", {{0, 24}, {2, 12}, {1, 36}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.query);
    Words expected = c.expected;
    std::sort(expected.begin(), expected.end(), CmpSimilarWordByScore());
    EXPECT_EQ(search(m, c.query, 5), expected);
  }
}

TEST(MassLevenshtein, PairsCountInTheirDirectionOnly) {
  const auto data =
      test::built_autosuggest_data({"a", "b"}, {}, {{u'a', u'b'}});
  const MassLevenshtein m(*data);
  // "a" stored where "b" was typed is the listed pair; the reverse is not.
  EXPECT_EQ(search(m, "b", 2), (Words{{1, 0}, {0, 7}}));
  EXPECT_EQ(search(m, "a", 2), (Words{{0, 0}, {1, 12}}));
}

TEST(MassLevenshtein, TranspositionCostsFive) {
  const auto data = test::built_autosuggest_data({"xy", "yx", "xyz"});
  const MassLevenshtein m(*data);
  EXPECT_EQ(search(m, "yx", 3), (Words{{1, 0}, {0, 5}, {2, 17}}));
}

TEST(MassLevenshtein, EmptyQueryGivesTheShortestWords) {
  const auto data =
      test::built_autosuggest_data({"abcd", "ab", "abc", "b", "cab"});
  const MassLevenshtein m(*data);
  EXPECT_EQ(search(m, "", 3), (Words{{3, 12}, {1, 24}, {2, 36}}));
}

TEST(MassLevenshtein, OnlyTheFirst31QueryCharactersCount) {
  const std::string word(31, 'a');
  const auto data = test::built_autosuggest_data({word, "b", word + "a"});
  const MassLevenshtein m(*data);
  // The stored 32-character word is left out of the table by the builder.
  const Words expected = search(m, word, 5);
  EXPECT_EQ(expected.front(), (SimilarWord{0, 0}));
  EXPECT_EQ(search(m, word + "b", 5), expected);
  EXPECT_EQ(search(m, word + "bbbbbbbbbbbb", 5), expected);
}

TEST(MassLevenshtein, FewerWordsThanAskedForGivesNoPlaceholders) {
  const auto data = test::built_autosuggest_data({"one", "two"});
  const MassLevenshtein m(*data);
  const Words words = search(m, "one", 140);
  ASSERT_EQ(words.size(), 2u);
  for (const SimilarWord& w : words) EXPECT_GE(w.word_no, 0);
  EXPECT_TRUE(search(m, "one", 0).empty());
  EXPECT_TRUE(search(m, "one", -3).empty());
}

TEST(MassLevenshtein, TiesAtTheCutOffKeepTheEarlierEntry) {
  // Table order is by codes: "ba" (word 1) comes before "bc" (word 0); both
  // are one substitution from "bb".
  const auto data = test::built_autosuggest_data({"bc", "ba", "bb"});
  const MassLevenshtein m(*data);
  EXPECT_EQ(search(m, "bb", 2), (Words{{2, 0}, {1, 12}}));
  EXPECT_EQ(search(m, "bb", 3), (Words{{2, 0}, {0, 12}, {1, 12}}));
}

TEST(MassLevenshtein, CachedCallReturnsTheSameVector) {
  const auto data = test::built_autosuggest_data({"one", "two", "three"});
  const MassLevenshtein m(*data);
  const auto first = m.similar_words_to(u"one", 2);
  ASSERT_EQ(first->size(), 2u);
  const auto second = m.similar_words_to(u"one", 3);
  EXPECT_EQ(second.get(), first.get());
  EXPECT_EQ(second->size(), 2u);
  EXPECT_NE(m.similar_words_to(u"two", 2).get(), first.get());
}

TEST(MassLevenshtein, ConcurrentCallsAgree) {
  const auto data = test::built_autosuggest_data(
      {"apple", "apply", "ample", "maple", "river", "rover", "stone", "store"});
  const MassLevenshtein m(*data);
  const std::vector<std::u16string> queries = {u"appel", u"rivr", u"stoen",
                                               u"mapel"};
  std::vector<Words> expected;
  for (const auto& q : queries) {
    expected.push_back(m.recompute_similar_words_to(q, 4));
  }
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 200; ++round) {
        const std::size_t i = (t + round) % queries.size();
        if (*m.similar_words_to(queries[i], 4) != expected[i]) ++failures[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int f : failures) EXPECT_EQ(f, 0);
}

// --- Brute force -----------------------------------------------------------

// The weighted optimal-string-alignment distance over the whole matrix,
// with the costs the search documents: 12 to insert or delete, 5 for a swap
// of neighbours, 0 for the same encodable character, 7 for a listed pair
// (dictionary character, query character) and 12 for anything else.
int full_distance(const std::u16string& w, const std::u16string& q,
                  const std::set<char16_t>& encodable,
                  const std::set<std::pair<char16_t, char16_t>>& pairs) {
  auto sub = [&](char16_t d, char16_t c) {
    if (d == c && encodable.count(d)) return 0;
    if (encodable.count(d) && encodable.count(c) && pairs.count({d, c})) {
      return 7;
    }
    return 12;
  };
  const std::size_t n = w.size(), m = q.size();
  std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1));
  for (std::size_t i = 0; i <= n; ++i) d[i][0] = 12 * static_cast<int>(i);
  for (std::size_t j = 0; j <= m; ++j) d[0][j] = 12 * static_cast<int>(j);
  for (std::size_t i = 1; i <= n; ++i) {
    for (std::size_t j = 1; j <= m; ++j) {
      int v = std::min(d[i - 1][j] + 12, d[i][j - 1] + 12);
      v = std::min(v, d[i - 1][j - 1] + sub(w[i - 1], q[j - 1]));
      if (i > 1 && j > 1 && q[j - 2] == w[i - 1] && w[i - 2] == q[j - 1]) {
        v = std::min(v, d[i - 2][j - 2] + 5);
      }
      d[i][j] = v;
    }
  }
  return d[n][m];
}

// The words kept from scores given in table order: a word enters only when
// it scores below the worst of a full list of n, and then replaces that
// worst (by score, then word number).
Words keep_best(const std::vector<SimilarWord>& in_table_order, int n) {
  Words kept(n, SimilarWord{-1, std::numeric_limits<std::int32_t>::max()});
  const CmpSimilarWordByScore less;
  for (const SimilarWord& w : in_table_order) {
    auto worst = std::max_element(kept.begin(), kept.end(), less);
    if (w.score < worst->score) *worst = w;
  }
  kept.erase(std::remove_if(kept.begin(), kept.end(),
                            [](const SimilarWord& w) { return w.word_no < 0; }),
             kept.end());
  std::sort(kept.begin(), kept.end(), less);
  return kept;
}

TEST(MassLevenshtein, AgreesWithBruteForce) {
  const std::u16string alphabet = u"abcde";
  const std::uint32_t seed = 20240917;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  std::mt19937 random(seed);
  auto uniform = [&](int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(random);
  };
  auto random_text = [&](int length, const std::u16string& letters) {
    std::u16string text;
    for (int i = 0; i < length; ++i) {
      text += letters[uniform(0, static_cast<int>(letters.size()) - 1)];
    }
    return text;
  };
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    // Few letters and short words, so that prefixes are shared, some words
    // repeat and ties are common; a few long words reach the 31-row limit.
    const std::u16string letters = alphabet.substr(0, uniform(1, 5));
    std::vector<std::u16string> words(uniform(1, 60));
    for (auto& word : words) {
      word = random_text(uniform(1, 10) == 1 ? uniform(20, 31) : uniform(1, 6),
                         letters);
    }
    std::vector<mkdata::SimilarCharacterPair> pairs;
    std::set<std::pair<char16_t, char16_t>> pair_set;
    for (char16_t a : alphabet) {
      for (char16_t b : alphabet) {
        if (a != b && uniform(0, 3) == 0) {
          pairs.push_back({a, b});
          pair_set.insert({a, b});
        }
      }
    }
    const auto data = read_autosuggest_data(
        test::in_memory(mkdata::build_autosuggest_file(words, {}, pairs)));
    const MassLevenshtein m(*data);

    std::set<char16_t> all_characters;
    for (const auto& word : words) {
      all_characters.insert(word.begin(), word.end());
    }
    std::vector<std::pair<std::u16string, int>> table_order;
    for (std::size_t i = 0; i < words.size(); ++i) {
      table_order.push_back({words[i], static_cast<int>(i)});
    }
    std::sort(table_order.begin(), table_order.end());

    for (int query_round = 0; query_round < 10; ++query_round) {
      const std::u16string query =
          random_text(uniform(0, 10) == 0 ? uniform(25, 40) : uniform(0, 8),
                      alphabet + u"z");
      const std::u16string counted = query.substr(0, 31);
      const int n = uniform(1, 12);
      std::vector<SimilarWord> scores;
      for (const auto& entry : table_order) {
        scores.push_back(
            {entry.second,
             full_distance(entry.first, counted, all_characters, pair_set)});
      }
      SCOPED_TRACE(testing::Message()
                   << "query " << core::to_utf8(query) << " n " << n);
      ASSERT_EQ(m.recompute_similar_words_to(query, n), keep_best(scores, n));
    }
  }
}

}  // namespace
}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera
