#include "autosuggest/inputtype/mawdoo3_input_type.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type_fixture.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

TEST(Mawdoo3InputType, ScoresByConfidence) {
  const Mawdoo3InputType mawdoo3;
  const std::string input =
      "{\"hypotheses\":["
      "{\"confidence\":1010,\"transcript\":[\"apple\",\"river\",\"stone\"]},"
      "{\"confidence\":500.5,\"transcript\":[\"table\",\"seed\"]},"
      "{\"confidence\":226,\"transcript\":[\"ocean\",\"seed\",\"apple\"]},"
      "{\"confidence\":1000,\"transcript\":[\"table\",\"seed\",\"apple\"]}]}";
  EXPECT_EQ(mawdoo3.is_valid(input).code, 0);
  EXPECT_EQ(
      mawdoo3.prefocus_suggestions_for(test::english_helper(), input, false),
      (std::vector<SimilarTWA>{
          {{test::kApple, test::kRiver, test::kStone}, 0},
          {{test::kTable, test::kSeed, test::kApple}, 10}}));
  EXPECT_EQ(
      mawdoo3.prefocus_suggestions_for(test::english_helper(), input, true)
          .size(),
      3u);
  EXPECT_FALSE(mawdoo3.backstop_language().has_value());
}

TEST(Mawdoo3InputType, RejectsMalformedOutput) {
  const Mawdoo3InputType mawdoo3;
  const std::string kScheme = "Check against Mawdoo3 json scheme failed.";
  const std::string unknown =
      "{\"hypotheses\":[{\"confidence\":800,\"transcript\":[\"apple\","
      "\"zzz\",\"stone\"]}]}";
  const struct {
    std::string input, message;
  } kCases[] = {
      {"", "'' is not well formed JSON."},
      {"nul", "'nul' is not well formed JSON."},
      {"{\"hypotheses\":[{\"confidence\":1011,\"transcript\":[]}]}", kScheme},
      {"{\"hypotheses\":[{\"confidence\":225,\"transcript\":[]}]}", kScheme},
      {"{\"hypotheses\":[{\"confidence\":300,\"transcript\":[1,2,3]}]}",
       kScheme},
      {"{\"hypotheses\":[{\"transcript\":[]}]}", kScheme},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    test::expect_rejected(mawdoo3, c.input, c.message);
  }
  try {
    mawdoo3.prefocus_suggestions_for(test::english_helper(), unknown, true);
    ADD_FAILURE() << "no InvalidArgumentError";
  } catch (const InvalidArgumentError& e) {
    EXPECT_EQ(e.what(),
              "'" + unknown +
                  "' is not valid Mawdoo3 output. \n\nWord \"zzz\" is not "
                  "recognised. Please:\n  - Use Mawdoo3 together with a "
                  "tessera grammar.\n  - Check that you have passed the right "
                  "language to autosuggest using the language(...) "
                  "AutosuggestOption.");
  }
  // The words are only looked up when searching.
  EXPECT_EQ(mawdoo3.is_valid(unknown).code, 0);
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
