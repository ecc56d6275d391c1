// Text typed by a user: three words joined by full stops.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_TEXT_INPUT_TYPE_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_TEXT_INPUT_TYPE_H_

#include <set>
#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

class TextInputType : public InputType {
 public:
  static const char* const name;  // "text"
  static const char* const help;

  // 5 * (ln(d + 1))^1.1 for a distance of d metres: 0 at the focus, about
  // 41.9 at 1 km.
  static double compute_focus_penalty(double distance_m);

  // Nothing when the input holds whitespace (except in Vietnamese, whose
  // words may hold spaces) or does not split into three words at full
  // stops; otherwise the best 1,200 combinations of each word's candidates,
  // related words included. Throws InvalidArgumentError for input longer
  // than 262,144 bytes or not well-formed UTF-8.
  std::vector<SimilarTWA> prefocus_suggestions_for(
      const AutosuggestHelper& helper, std::string input,
      bool include_sea) const override;
  double focus_penalty(double distance_m) const override;
  bool is_textual() const override;
  // English.
  Optional<Language> backstop_language() const override;
  // The languages of those of the three words that are words of some
  // language; none when the input does not split into three words.
  std::set<Language> guess_languages(
      const std::string& input,
      const wordlist::AllWordlists& wordlists) const override;
};

// The number of combinations that the text types hand on.
constexpr int kTextCombinations = 1200;

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_TEXT_INPUT_TYPE_H_
