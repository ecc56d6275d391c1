#include "autosuggest/autosuggest_helper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_test_data.h"
#include "autosuggest/fake_wordlists.h"
#include "core/utf16.h"

namespace tessera {
namespace autosuggest {
namespace {

using levenshtein::SimilarWord;
using Words = std::vector<SimilarWord>;

const Language kEn("en");

// 25,003 words: fillers "q0", "q1", ..., with "cat" the last land word
// (24,999), and "cats" (25,000) and "cut" (25,001) sea words; "cat" and
// "cats" are related, and so are "q7" and "cut".
std::vector<std::string> language_words() {
  std::vector<std::string> words;
  for (int i = 0; i < 25003; ++i) words.push_back("q" + std::to_string(i));
  words[24999] = "cat";
  words[25000] = "cats";
  words[25001] = "cut";
  return words;
}

class AutosuggestHelperTest : public testing::Test {
 protected:
  AutosuggestHelperTest()
      : normaliser(test::ascii_normaliser()),
        wordlists({{kEn, language_words()}, {Language("fr"), {"chat"}}}),
        helper(kEn,
               test::built_autosuggest_data(language_words(),
                                            {{24999, 25000}, {7, 25001}}),
               wordlists, normaliser) {}

  normalise::Normaliser normaliser;
  test::FakeWordlists wordlists;
  AutosuggestHelper helper;
};

TEST_F(AutosuggestHelperTest, SeaWordsStartAt25000) {
  EXPECT_FALSE(AutosuggestHelper::is_sea_word(24999));
  EXPECT_TRUE(AutosuggestHelper::is_sea_word(25000));
  EXPECT_EQ(AutosuggestHelper::filter_out_sea(
                {{25000, 0}, {3, 1}, {24999, 2}, {30000, 3}, {0, 4}}),
            (Words{{3, 1}, {24999, 2}, {0, 4}}));
}

TEST_F(AutosuggestHelperTest, NormalisesAndKeepsAtMost140) {
  const auto words = helper.possibilities_for_word(u"C'AT", false, true);
  ASSERT_EQ(words->size(), 140u);
  EXPECT_EQ(words->at(0), (SimilarWord{24999, 0}));
  EXPECT_EQ(words->at(1), (SimilarWord{25000, 12}));
  EXPECT_EQ(words->at(2), (SimilarWord{25001, 12}));
  EXPECT_TRUE(std::is_sorted(words->begin(), words->end(),
                             levenshtein::CmpSimilarWordByScore()));
  // Related words join and the list is cut back to 140.
  const auto related = helper.possibilities_for_word(u"cat", true, true);
  EXPECT_EQ(related->size(), 140u);
  EXPECT_EQ(related->at(1), (SimilarWord{25000, 6}));
}

TEST_F(AutosuggestHelperTest, LeavesOutSeaWordsHoweverTheyArrive) {
  for (const char16_t* word : {u"cat", u"cats", u"q7", u"cut"}) {
    SCOPED_TRACE(core::to_utf8(word));
    for (bool related : {false, true}) {
      const auto words = helper.possibilities_for_word(word, related, false);
      EXPECT_FALSE(words->empty());
      for (const SimilarWord& w : *words) EXPECT_LT(w.word_no, 25000);
    }
  }
  // "q7" brings its related sea word "cut" only when sea words are wanted.
  const auto with_sea = helper.possibilities_for_word(u"q7", true, true);
  EXPECT_NE(
      std::find(with_sea->begin(), with_sea->end(), SimilarWord{25001, 6}),
      with_sea->end());
}

TEST_F(AutosuggestHelperTest, LooksUpExactWordsInItsOwnLanguage) {
  EXPECT_EQ(helper.exact_reverse_lookup(u"Cats"), Optional<int>(25000));
  EXPECT_FALSE(helper.exact_reverse_lookup(u"chat").has_value());
  EXPECT_FALSE(helper.exact_reverse_lookup(u"dog").has_value());
}

}  // namespace
}  // namespace autosuggest
}  // namespace tessera
