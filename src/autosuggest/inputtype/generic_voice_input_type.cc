#include "autosuggest/inputtype/generic_voice_input_type.h"

#include "autosuggest/combine_word_suggestions.h"
#include "autosuggest/inputtype/text_input_type.h"
#include "wordlist/three_word_address.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

bool is_separator(char c) {
  return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

}  // namespace

const char* const GenericVoiceInputType::name = "generic-voice";
const char* const GenericVoiceInputType::help =
    "Text output from speech recognition software. E.g. \"apple river "
    "stone\". This input type handles spaces between words. Users should not "
    "pronounce 'dot' when speaking a 3 word address. Does not handle text in "
    "languages in which words are not separated by spaces, e.g. Chinese. "
    "Language detection is disabled, so @ref language must be set.";

std::vector<SimilarTWA> GenericVoiceInputType::prefocus_suggestions_for(
    const AutosuggestHelper& helper, std::string input,
    bool include_sea) const {
  check_input_text(input);
  std::string joined;
  int tokens = 0;
  std::size_t i = 0;
  while (tokens < 3) {
    while (i < input.size() && is_separator(input[i])) ++i;
    if (i == input.size()) break;
    const std::size_t start = i;
    while (i < input.size() && !is_separator(input[i])) ++i;
    if (tokens > 0) joined += '.';
    joined.append(input, start, i - start);
    ++tokens;
  }
  if (tokens == 0) return {};
  const Optional<std::array<std::u16string, 3>> words =
      wordlist::parse_three_words(joined);
  if (!words) return {};
  const auto first =
      helper.possibilities_for_word((*words)[0], false, include_sea);
  const auto second =
      helper.possibilities_for_word((*words)[1], false, include_sea);
  const auto third =
      helper.possibilities_for_word((*words)[2], false, include_sea);
  return combine_word_suggestions(*first, *second, *third, kTextCombinations);
}

double GenericVoiceInputType::focus_penalty(double distance_m) const {
  return TextInputType::compute_focus_penalty(distance_m);
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
