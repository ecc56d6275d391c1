// The languages the input type tests search: English, whose words 0 to 5
// are "apple", "river", "stone", "table", "sunflower" and "seed", words
// 25,000 and 25,001 the sea words "ocean" and "wave", and the rest fillers
// ("q6", "q7", ...); French with "pomme", "fleuve" and "pierre"; and
// Vietnamese with "con mèo", "xe" and "nhà".
#ifndef TESSERA_TESTS_AUTOSUGGEST_INPUTTYPE_INPUT_TYPE_FIXTURE_H_
#define TESSERA_TESTS_AUTOSUGGEST_INPUTTYPE_INPUT_TYPE_FIXTURE_H_

#include <string>

#include "autosuggest/autosuggest_helper.h"
#include "autosuggest/fake_wordlists.h"
#include "autosuggest/inputtype/input_type.h"

namespace tessera {
namespace test {

// Built once and shared by all tests of the process.
const autosuggest::AutosuggestHelper& english_helper();
const autosuggest::AutosuggestHelper& vietnamese_helper();
const FakeWordlists& test_wordlists();

// Word numbers of the English words.
constexpr int kApple = 0, kRiver = 1, kStone = 2, kTable = 3, kSunflower = 4,
              kSeed = 5, kOcean = 25000, kWave = 25001;

// Checks that `type` rejects `input` with `message`: is_valid gives code 3
// with it, and prefocus_suggestions_for (in English) throws
// InvalidArgumentError with it.
void expect_rejected(const autosuggest::inputtype::InputType& type,
                     const std::string& input, const std::string& message);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_AUTOSUGGEST_INPUTTYPE_INPUT_TYPE_FIXTURE_H_
