#include "autosuggest/inputtype/text_input_type.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type_fixture.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

using test::english_helper;

TEST(TextInputType, SearchesThreeDottedWords) {
  const TextInputType text;
  const struct {
    const char* input;
    SimilarTWA best;
  } kCases[] = {
      {"apple.river.stone", {{test::kApple, test::kRiver, test::kStone}, 0}},
      {"Apple.rivr.stone", {{test::kApple, test::kRiver, test::kStone}, 12}},
      {"table\xe3\x80\x82seed.apple",
       {{test::kTable, test::kSeed, test::kApple}, 0}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    const std::vector<SimilarTWA> found =
        text.prefocus_suggestions_for(english_helper(), c.input, false);
    ASSERT_EQ(found.size(), 1200u);
    EXPECT_EQ(found.front(), c.best);
    for (std::size_t i = 1; i < found.size(); ++i) {
      ASSERT_LE(found[i - 1].score, found[i].score);
    }
  }
}

TEST(TextInputType, MalformedTextGivesNothing) {
  const TextInputType text;
  for (const char* input :
       {"apple.river", "apple.river.stone.table", "apple river.stone",
        "apple.river.stone\t", "", "apple\x01.river.stone"}) {
    SCOPED_TRACE(input);
    EXPECT_TRUE(
        text.prefocus_suggestions_for(english_helper(), input, true).empty());
  }
  EXPECT_THROW(
      text.prefocus_suggestions_for(english_helper(), "a.b.\xc0", true),
      InvalidArgumentError);
  EXPECT_THROW(text.prefocus_suggestions_for(english_helper(),
                                             std::string(262145, 'a'), true),
               InvalidArgumentError);
}

TEST(TextInputType, VietnameseWordsMayHoldSpaces) {
  const TextInputType text;
  const std::string input = "con m\xc3\xa8o.xe.nh\xc3\xa0";
  const std::vector<SimilarTWA> found =
      text.prefocus_suggestions_for(test::vietnamese_helper(), input, false);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front(), (SimilarTWA{{0, 1, 2}, 0}));
  EXPECT_TRUE(
      text.prefocus_suggestions_for(english_helper(), input, false).empty());
}

TEST(TextInputType, SeaWordsOnlyWhenAskedFor) {
  const TextInputType text;
  const auto with_sea =
      text.prefocus_suggestions_for(english_helper(), "ocean.wave.apple", true);
  EXPECT_EQ(with_sea.front(),
            (SimilarTWA{{test::kOcean, test::kWave, test::kApple}, 0}));
  for (const SimilarTWA& twa : text.prefocus_suggestions_for(
           english_helper(), "ocean.wave.apple", false)) {
    for (int w : twa.words) ASSERT_LT(w, 25000);
  }
}

TEST(TextInputType, GuessesTheLanguagesOfTheWords) {
  const TextInputType text;
  EXPECT_EQ(text.guess_languages("pomme.fleuve.river", test::test_wordlists()),
            (std::set<Language>{Language("fr"), Language("en")}));
  EXPECT_TRUE(
      text.guess_languages("pomme.fleuve", test::test_wordlists()).empty());
  EXPECT_EQ(text.backstop_language(), Optional<Language>(Language("en")));
  EXPECT_EQ(text.is_valid("anything at all").code, 0);
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
