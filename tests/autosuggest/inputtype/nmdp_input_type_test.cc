#include "autosuggest/inputtype/nmdp_input_type.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "autosuggest/combine_word_suggestions.h"
#include "autosuggest/inputtype/input_type_fixture.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

bool contains(const std::vector<SimilarTWA>& found, const SimilarTWA& twa) {
  return std::find(found.begin(), found.end(), twa) != found.end();
}

TEST(NMDPInputType, SearchesEachLineAndItsJoinedWords) {
  const NMDPInputType nmdp;
  const std::vector<SimilarTWA> found = nmdp.prefocus_suggestions_for(
      test::english_helper(),
      "sun flower seed apple\na river x stone table\nq9 q8\n"
      "apple river stone\nseed seed seed",
      false);
  // Line 1, four words: the plain grouping (300) and three joined ones
  // (150 each); line 2 drops the one-letter words and is searched as
  // (river, stone, table) only; line 3 has too few words; the fourth line
  // is not read.
  EXPECT_EQ(found.size(), 300u + 3 * 150 + 300);
  // (sunflower, seed, apple) on the first line: 0.16 * 0 - 2.0.
  EXPECT_TRUE(
      contains(found, {{test::kSunflower, test::kSeed, test::kApple}, -2.0}));
  EXPECT_TRUE(contains(found, {{test::kRiver, test::kStone, test::kTable}, 0}));
  EXPECT_FALSE(
      contains(found, {{test::kApple, test::kRiver, test::kStone}, 0}));
  // The first grouping's scores are 0.16 times the combination's total.
  const auto& h = test::english_helper();
  const std::vector<SimilarTWA> plain = combine_word_suggestions(
      *h.possibilities_for_word(u"sun", false, false),
      *h.possibilities_for_word(u"flower", false, false),
      *h.possibilities_for_word(u"seed", false, false), 300);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    ASSERT_EQ(found[i].words, plain[i].words);
    ASSERT_EQ(found[i].score, 0.16 * plain[i].score);
  }
}

TEST(NMDPInputType, ThirdLineGetsItsOwnOffsets) {
  const NMDPInputType nmdp;
  const std::vector<SimilarTWA> found = nmdp.prefocus_suggestions_for(
      test::english_helper(), "\n\napple river stone", false);
  ASSERT_EQ(found.size(), 300u);
  EXPECT_EQ(found.front(),
            (SimilarTWA{{test::kApple, test::kRiver, test::kStone}, 0.8}));
  EXPECT_TRUE(
      nmdp.prefocus_suggestions_for(test::english_helper(), "a b c d", false)
          .empty());
  EXPECT_THROW(nmdp.prefocus_suggestions_for(test::english_helper(),
                                             "apple \xed\xa0\x80 river", false),
               InvalidArgumentError);
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
