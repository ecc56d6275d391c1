#include "autosuggest/inputtype/vocon_input_type.h"

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

// A hypothesis of the version 4 layout.
std::string v4(int confidence, const std::string& a, const std::string& b,
               const std::string& c) {
  return "{\"_conf\":" + std::to_string(confidence) +
         ",\"_items\":[{\"_orthography\":\"" + a + "\"},{\"_orthography\":\"" +
         b + "\"},{\"_orthography\":\"" + c + "\"}]}";
}

std::string v5(int confidence, const std::string& a, const std::string& b,
               const std::string& c) {
  return "{\"confidence\":" + std::to_string(confidence) +
         ",\"items\":[{\"orthography\":\"" + a + "\"},{\"orthography\":\"" + b +
         "\"},{\"orthography\":\"" + c + "\"}]}";
}

TEST(VoConInputType, TurnsHypothesesIntoCandidates) {
  const VoConInputType vocon;
  const std::string input = "{\"_hypotheses\":[" +
                            v4(9000, "apple", "river", "stone") + "," +
                            v4(10000, "table", "apple", "nothere") + "," +
                            v4(0, "ocean", "River", "stone") + "]}";
  EXPECT_EQ(vocon.is_valid(input).code, 0);
  const SimilarTWA first{{test::kApple, test::kRiver, test::kStone}, 1000};
  EXPECT_EQ(vocon.prefocus_suggestions_for(english_helper(), input, false),
            std::vector<SimilarTWA>{first});
  EXPECT_EQ(vocon.prefocus_suggestions_for(english_helper(), input, true),
            (std::vector<SimilarTWA>{
                first, {{test::kOcean, test::kRiver, test::kStone}, 10000}}));
}

TEST(VoConInputType, ReadsBothLayoutsAndPrefersVersion4) {
  int version = 0;
  const std::string five =
      "{\"hypotheses\":[" + v5(10000, "apple", "river", "stone") + "]}";
  const std::vector<Hypothesis> read = VoConInputType::parse(five, &version);
  EXPECT_EQ(version, 5);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].score, 0);
  EXPECT_EQ(read[0].words[2], "stone");

  const std::string both = "{\"_hypotheses\":[" +
                           v4(1, "seed", "seed", "seed") +
                           "],\"hypotheses\":[]}";
  EXPECT_EQ(VoConInputType::parse(both, &version).size(), 1u);
  EXPECT_EQ(version, 4);
}

TEST(VoConInputType, RejectsMalformedOutput) {
  const VoConInputType vocon;
  const std::string two_items =
      "{\"hypotheses\":[{\"confidence\":5,\"items\":[{\"orthography\":\"a\"},"
      "{\"orthography\":\"b\"}]}]}";
  const std::string null_word =
      "{\"_hypotheses\":[{\"_conf\":5,\"_items\":[{\"_orthography\":null},"
      "{\"_orthography\":\"b\"},{\"_orthography\":\"c\"}]}]}";
  const std::string deep = "{\"_hypotheses\":[" + std::string(100000, '[') +
                           std::string(100000, ']') + "]}";
  const struct {
    std::string input, message;
  } kCases[] = {
      {"{", "'{' is not well formed JSON."},
      {"", "'' is not well formed JSON."},
      {"[]", "'[]' is not valid VoCon Hybrid output."},
      {"{\"_hypotheses\":[" + v4(10001, "a", "b", "c") + "]}",
       "'{\"_hypotheses\":[" + v4(10001, "a", "b", "c") +
           "]}' is not valid VoCon Hybrid output."},
      {"{\"_hypotheses\":[{\"_conf\":1.5,\"_items\":[]}]}",
       "'{\"_hypotheses\":[{\"_conf\":1.5,\"_items\":[]}]}' is not valid "
       "VoCon Hybrid output."},
      {two_items, "'" + two_items +
                      "' is not valid VoCon Hybrid 5 output. Wrong number of "
                      "items."},
      {null_word, "'" + null_word +
                      "' is not valid VoCon Hybrid 4 output.Found element of "
                      "type null and value null, while looking for element "
                      "of type string"},
      {deep, "'" + deep + "' is not valid VoCon Hybrid output."},
      {"{\"_hypotheses\":[]}\xff",
       "An invalid UTF-8 string has been passed as an argument to an SDK "
       "function."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input.substr(0, 60));
    test::expect_rejected(vocon, c.input, c.message);
  }
}

TEST(VoConInputType, GuessesOneLanguagePerHypothesis) {
  const VoConInputType vocon;
  const auto& wordlists = test::test_wordlists();
  EXPECT_EQ(vocon.guess_languages("{\"_hypotheses\":[" +
                                      v4(1, "apple", "river", "stone") + "," +
                                      v4(1, "pomme", "fleuve", "pierre") + "]}",
                                  wordlists),
            (std::set<Language>{Language("en"), Language("fr")}));
  const struct {
    std::string input, message;
  } kCases[] = {
      {"{\"_hypotheses\":[" + v4(1, "apple", "nothere", "stone") + "]}",
       "\n\nWord is not recognised: \"nothere\". Please use VoCon Hybrid "
       "together with a tessera grammar.\n "},
      {"{\"_hypotheses\":[" + v4(1, "apple", "pomme", "stone") + "]}",
       "Hypothesis \"apple.pomme.stone\" contains words from multipe "
       "languages.\nAll words must belong in the same language.\nPlease use "
       "VoCon Hybrid together with a tessera grammar.\n"},
      {"{", "'{' is not well formed JSON."},
  };
  for (const auto& c : kCases) {
    try {
      vocon.guess_languages(c.input, wordlists);
      ADD_FAILURE() << "no InvalidArgumentError for " << c.input;
    } catch (const InvalidArgumentError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(vocon.backstop_language(), Optional<Language>(Language("en")));
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
