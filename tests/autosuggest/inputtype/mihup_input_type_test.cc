#include "autosuggest/inputtype/mihup_input_type.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type_fixture.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

TEST(MihupInputType, ScoresByTheNegatedScore) {
  const MihupInputType mihup;
  const std::string input =
      "{\"HYP\":[\"apple river stone 0\",\"table  seed apple -7\","
      "\"ocean river stone -1\"]}";
  EXPECT_EQ(mihup.is_valid(input).code, 0);
  EXPECT_EQ(
      mihup.prefocus_suggestions_for(test::english_helper(), input, false),
      (std::vector<SimilarTWA>{
          {{test::kApple, test::kRiver, test::kStone}, 0},
          {{test::kTable, test::kSeed, test::kApple}, 7}}));
}

TEST(MihupInputType, RejectsMalformedOutput) {
  const MihupInputType mihup;
  auto structural = [](const std::string& input, const std::string& detail) {
    return "'" + input + "' is not valid input to Mihup autosuggest. " + detail;
  };
  const std::string kForm =
      "All hypotheses should be of the form 'word word word score'.";
  const struct {
    std::string input, message;
  } kCases[] = {
      {"", "Empty strings are not suitable input; please provide JSON."},
      {"{\"HYP\":[}", "'{\"HYP\":[}' is not well formed JSON."},
      {"[]", structural("[]", "Input must contain a top-level 'HYP' field.")},
      {"{\"hyp\":[]}", structural("{\"hyp\":[]}",
                                  "Input must contain a top-level 'HYP' "
                                  "field.")},
      {"{\"HYP\":\"a b c 0\"}",
       structural("{\"HYP\":\"a b c 0\"}", "HYP is not an array.")},
      {"{\"HYP\":[3]}",
       structural("{\"HYP\":[3]}", "The HYP array must contain strings.")},
      {"{\"HYP\":[\"a b c\"]}", structural("{\"HYP\":[\"a b c\"]}", kForm)},
      {"{\"HYP\":[\"a b c d 0\"]}",
       structural("{\"HYP\":[\"a b c d 0\"]}", kForm)},
      {"{\"HYP\":[\"a b c x1\"]}",
       structural("{\"HYP\":[\"a b c x1\"]}",
                  "'x1' is not a valid Mihup score.")},
      {"{\"HYP\":[\"a b c -\"]}",
       structural("{\"HYP\":[\"a b c -\"]}",
                  "'-' is not a valid Mihup score.")},
      {"{\"HYP\":[\"a b c -2147483649\"]}",
       structural("{\"HYP\":[\"a b c -2147483649\"]}",
                  "'-2147483649' is not a valid Mihup score as it is out of "
                  "range of an int.")},
      {"{\"HYP\":[\"a b c -99999999999999999999999\"]}",
       structural("{\"HYP\":[\"a b c -99999999999999999999999\"]}",
                  "'-99999999999999999999999' is not a valid Mihup score as "
                  "it is out of range of an int.")},
      {"{\"HYP\":[\"a b c 3\"]}",
       structural("{\"HYP\":[\"a b c 3\"]}",
                  "3 is not a valid Mihup score as it is positive.")},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    test::expect_rejected(mihup, c.input, c.message);
  }
  const std::string unknown = "{\"HYP\":[\"apple zzz stone -2147483648\"]}";
  EXPECT_EQ(mihup.is_valid(unknown).code, 0);
  try {
    mihup.prefocus_suggestions_for(test::english_helper(), unknown, true);
    ADD_FAILURE() << "no InvalidArgumentError";
  } catch (const InvalidArgumentError& e) {
    EXPECT_EQ(e.what(),
              structural(unknown,
                         " Word is not recognised: \"zzz\". Please:\n - Use a "
                         "version of Mihup that contains the tessera "
                         "wordlist.\n - Check that you have passed the right "
                         "language to autosuggest using the language(...) "
                         "AutosuggestOption."));
  }
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
