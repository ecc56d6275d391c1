#include "autosuggest/inputtype/input_type_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_test_data.h"
#include "tessera/error.h"

namespace tessera {
namespace test {
namespace {

std::vector<std::string> english_words() {
  std::vector<std::string> words;
  for (int i = 0; i < 25002; ++i) words.push_back("q" + std::to_string(i));
  const char* kNamed[] = {"apple", "river",     "stone",
                          "table", "sunflower", "seed"};
  for (int i = 0; i < 6; ++i) words[i] = kNamed[i];
  words[kOcean] = "ocean";
  words[kWave] = "wave";
  return words;
}

const std::vector<std::string> kFrench = {"pomme", "fleuve", "pierre"};
const std::vector<std::string> kVietnamese = {"con m\xc3\xa8o", "xe",
                                              "nh\xc3\xa0"};

}  // namespace

const FakeWordlists& test_wordlists() {
  static const FakeWordlists* wordlists =
      new FakeWordlists({{Language("en"), english_words()},
                         {Language("fr"), kFrench},
                         {Language("vi"), kVietnamese}});
  return *wordlists;
}

const autosuggest::AutosuggestHelper& english_helper() {
  static const normalise::Normaliser* normaliser =
      new normalise::Normaliser(ascii_normaliser());
  static const autosuggest::AutosuggestHelper* helper =
      new autosuggest::AutosuggestHelper(
          Language("en"), built_autosuggest_data(english_words()),
          test_wordlists(), *normaliser);
  return *helper;
}

const autosuggest::AutosuggestHelper& vietnamese_helper() {
  static const normalise::Normaliser* normaliser =
      new normalise::Normaliser(ascii_normaliser());
  static const autosuggest::AutosuggestHelper* helper =
      new autosuggest::AutosuggestHelper(Language("vi"),
                                         built_autosuggest_data(kVietnamese),
                                         test_wordlists(), *normaliser);
  return *helper;
}

void expect_rejected(const autosuggest::inputtype::InputType& type,
                     const std::string& input, const std::string& message) {
  const ErrorDescriptor validity = type.is_valid(input);
  EXPECT_EQ(validity.code, 3);
  EXPECT_EQ(validity.message, message);
  try {
    type.prefocus_suggestions_for(english_helper(), input, true);
    ADD_FAILURE() << "no InvalidArgumentError";
  } catch (const InvalidArgumentError& e) {
    EXPECT_EQ(e.what(), message);
  }
}

}  // namespace test
}  // namespace tessera
