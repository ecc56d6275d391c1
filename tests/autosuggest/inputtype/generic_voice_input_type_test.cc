#include "autosuggest/inputtype/generic_voice_input_type.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "autosuggest/combine_word_suggestions.h"
#include "autosuggest/inputtype/input_type_fixture.h"
#include "core/utf16.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

using test::english_helper;

std::vector<SimilarTWA> dotted(const char* a, const char* b, const char* c) {
  const auto& h = english_helper();
  return combine_word_suggestions(
      *h.possibilities_for_word(core::to_u16string(a), false, false),
      *h.possibilities_for_word(core::to_u16string(b), false, false),
      *h.possibilities_for_word(core::to_u16string(c), false, false), 1200);
}

TEST(GenericVoiceInputType, SearchesTheFirstThreeWords) {
  const GenericVoiceInputType voice;
  const std::vector<SimilarTWA> expected = dotted("apple", "rivr", "stone");
  ASSERT_EQ(expected.front(),
            (SimilarTWA{{test::kApple, test::kRiver, test::kStone}, 12}));
  for (const char* input :
       {"apple rivr stone", "apple  rivr\tstone", " \r\napple rivr stone\n",
        "apple rivr stone table seed"}) {
    SCOPED_TRACE(input);
    EXPECT_EQ(voice.prefocus_suggestions_for(english_helper(), input, false),
              expected);
  }
}

TEST(GenericVoiceInputType, FewerThanThreeWordsGiveNothing) {
  const GenericVoiceInputType voice;
  for (const char* input : {"", "   \t", "apple river", "apple.river"}) {
    SCOPED_TRACE(input);
    EXPECT_TRUE(
        voice.prefocus_suggestions_for(english_helper(), input, true).empty());
  }
  EXPECT_THROW(voice.prefocus_suggestions_for(english_helper(), "\xff", true),
               InvalidArgumentError);
  EXPECT_FALSE(voice.backstop_language().has_value());
  EXPECT_TRUE(voice.guess_languages("apple river stone", test::test_wordlists())
                  .empty());
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
