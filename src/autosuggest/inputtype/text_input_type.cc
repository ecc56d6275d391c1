#include "autosuggest/inputtype/text_input_type.h"

#include <cmath>

#include "autosuggest/combine_word_suggestions.h"
#include "core/text.h"
#include "wordlist/three_word_address.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

const char* const TextInputType::name = "text";
const char* const TextInputType::help =
    "Text typed by a user, e.g.'apple.river.stone'. Default setting. Expects "
    "exactly two dots and no whitespace in the input.";

double TextInputType::compute_focus_penalty(double distance_m) {
  return 5 * std::pow(std::log(distance_m + 1), 1.1);
}

std::vector<SimilarTWA> TextInputType::prefocus_suggestions_for(
    const AutosuggestHelper& helper, std::string input,
    bool include_sea) const {
  check_input_text(input);
  if (helper.language() != Language("vi") && core::contains_whitespace(input)) {
    return {};
  }
  const Optional<std::array<std::u16string, 3>> words =
      wordlist::parse_three_words(input);
  if (!words) return {};
  const auto first =
      helper.possibilities_for_word((*words)[0], true, include_sea);
  const auto second =
      helper.possibilities_for_word((*words)[1], true, include_sea);
  const auto third =
      helper.possibilities_for_word((*words)[2], true, include_sea);
  return combine_word_suggestions(*first, *second, *third, kTextCombinations);
}

double TextInputType::focus_penalty(double distance_m) const {
  return compute_focus_penalty(distance_m);
}

bool TextInputType::is_textual() const { return true; }

Optional<Language> TextInputType::backstop_language() const {
  return Language("en");
}

std::set<Language> TextInputType::guess_languages(
    const std::string& input, const wordlist::AllWordlists& wordlists) const {
  const Optional<std::array<std::u16string, 3>> words =
      wordlist::parse_three_words(input);
  if (!words) return {};
  return wordlists.languages_used_in(*words);
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
