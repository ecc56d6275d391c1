#include "autosuggest/inputtype/ocr_input_type.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type_fixture.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

TEST(OcrInputType, ScoresByPenalty) {
  const OcrInputType ocr;
  const std::string input =
      "{\"ocr-version\":\"2.1\",\"hypotheses\":["
      "{\"address\":[\"apple\",\"river\",\"stone\"],\"penalty\":4},"
      "{\"address\":[\"wave\",\"river\",\"stone\"],\"penalty\":0},"
      "{\"address\":[\"TABLE\",\"seed\",\"apple\"],\"penalty\":-2}]}";
  EXPECT_EQ(ocr.is_valid(input).code, 0);
  EXPECT_EQ(ocr.prefocus_suggestions_for(test::english_helper(), input, false),
            (std::vector<SimilarTWA>{
                {{test::kApple, test::kRiver, test::kStone}, 4},
                {{test::kTable, test::kSeed, test::kApple}, -2}}));
}

TEST(OcrInputType, RejectsMalformedOutput) {
  const OcrInputType ocr;
  const std::string kScheme = "Check against TSR OCR json scheme failed.";
  const std::string two_words =
      "{\"ocr-version\":\"1\",\"hypotheses\":[{\"address\":[\"apple\","
      "\"river\"],\"penalty\":1}]}";
  const struct {
    std::string input, message;
  } kCases[] = {
      {"{\"a\":}", "'{\"a\":}' is not well formed JSON."},
      {"{\"hypotheses\":[]}", kScheme},
      {"{\"ocr-version\":1,\"hypotheses\":[]}", kScheme},
      {"{\"ocr-version\":\"1\",\"hypotheses\":[{\"address\":[\"a\",\"b\","
       "\"c\"],\"penalty\":1.5}]}",
       kScheme},
      {"{\"ocr-version\":\"1\",\"hypotheses\":[{\"address\":[\"a\",\"b\","
       "\"c\"]}]}",
       kScheme},
      {two_words, "'" + two_words +
                      "' is not valid tsr ocr output. Element "
                      "[\"apple\",\"river\"] should contain extractly 3 "
                      "words"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    test::expect_rejected(ocr, c.input, c.message);
  }
  const std::string unknown =
      "{\"ocr-version\":\"1\",\"hypotheses\":[{\"address\":[\"apple\","
      "\"river\",\"zzz\"],\"penalty\":1}]}";
  try {
    ocr.prefocus_suggestions_for(test::english_helper(), unknown, true);
    ADD_FAILURE() << "no InvalidArgumentError";
  } catch (const InvalidArgumentError& e) {
    EXPECT_EQ(e.what(),
              "'" + unknown +
                  "' is not valid tsr ocr output. \n\nWord is not recognised: "
                  "\"zzz\". Please:\n  - Use TSR OCR SDK together with a "
                  "tessera grammar.\n  - Check that you have passed the right "
                  "language to autosuggest using the language(...) "
                  "AutosuggestOption.");
  }
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
