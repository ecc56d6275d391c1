#include "autosuggest/inputtype/speechmatics_input_type.h"

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

std::string entry(const std::string& confidence, const char* a, const char* b,
                  const char* c) {
  return std::string("{\"confidence\":") + confidence +
         ",\"words\":[{\"content\":\"" + a + "\"},{\"content\":\"" + b +
         "\"},{\"content\":\"" + c + "\"}]}";
}

std::string output(const std::string& entries) {
  return "{\"n_best_results\":[{\"n_best_list\":[" + entries + "]}]}";
}

TEST(SpeechmaticsInputType, ScoresByConfidence) {
  const SpeechmaticsInputType speechmatics;
  const std::string input =
      output(entry("1", "apple", "river", "stone") + "," +
             entry("0", "table", "seed", "apple") + "," +
             entry("0.5", "apple", "nothere", "stone") + "," +
             "{\"confidence\":0.9,\"words\":[{\"content\":\"apple\"}]}");
  EXPECT_EQ(speechmatics.is_valid(input).code, 0);
  const std::vector<SimilarTWA> found = speechmatics.prefocus_suggestions_for(
      test::english_helper(), input, false);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].words, (std::array<std::int32_t, 3>{
                                test::kApple, test::kRiver, test::kStone}));
  // -ln(1.001) and -ln(0.001), computed outside the engine.
  EXPECT_NEAR(found[0].score, -0.0009995003330834232, 1e-15);
  EXPECT_EQ(found[1].words, (std::array<std::int32_t, 3>{
                                test::kTable, test::kSeed, test::kApple}));
  EXPECT_NEAR(found[1].score, 6.907755278982137, 1e-12);
  EXPECT_EQ(speechmatics.guess_languages(
                output(entry("1", "apple", "river", "stone")),
                test::test_wordlists()),
            (std::set<Language>{Language("en")}));
}

TEST(SpeechmaticsInputType, RejectsMalformedOutput) {
  const SpeechmaticsInputType speechmatics;
  const std::string kScheme = "Check against Speechmatics json scheme failed.";
  const struct {
    std::string input, message;
  } kCases[] = {
      {"", "Empty string passed to Speechmatics Autosuggest."},
      {"{]", "'{]' is not well formed JSON."},
      {"{\"n_best_results\":[]}", kScheme},
      {"{\"n_best_results\":[{\"n_best_list\":[]},{\"n_best_list\":[]}]}",
       kScheme},
      {output(entry("1.5", "a", "b", "c")), kScheme},
      {output(entry("-0.1", "a", "b", "c")), kScheme},
      {output("{\"confidence\":1,\"words\":[{\"content\":3}]}"), kScheme},
      {"{\"results\":[]}", kScheme},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    test::expect_rejected(speechmatics, c.input, c.message);
  }
  try {
    speechmatics.guess_languages(output(entry("1", "apple", "zzz", "stone")),
                                 test::test_wordlists());
    ADD_FAILURE() << "no InvalidArgumentError";
  } catch (const InvalidArgumentError& e) {
    EXPECT_STREQ(e.what(),
                 "\n\nWord is not recognised: \"zzz\". Please use Speechmatics "
                 "together with a tessera grammar.\n ");
  }
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
