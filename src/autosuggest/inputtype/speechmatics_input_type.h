// The JSON output of Speechmatics speech recognition.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_SPEECHMATICS_INPUT_TYPE_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_SPEECHMATICS_INPUT_TYPE_H_

#include <set>
#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type.h"
#include "autosuggest/inputtype/recogniser_output.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

class SpeechmaticsInputType : public InputType {
 public:
  static const char* const name;  // "speechmatics"
  static const char* const help;
  // {"n_best_results": [{"n_best_list": [{"confidence": 0 ... 1, "words":
  // [{"content": string}, ...]}, ...]}]}, with exactly one n_best_results
  // element.
  static const char* const input_schema;

  // The entries of the n-best list that hold exactly three words (others
  // are no address and are left out), each scored -ln(confidence + 0.001).
  // Throws InvalidArgumentError: "Empty string passed to Speechmatics
  // Autosuggest.", "'" + input + "' is not well formed JSON.", "Check
  // against Speechmatics json scheme failed.", or "'" + input + "' is not
  // valid Speechmatics output. " followed by a detail.
  static std::vector<Hypothesis> parse(const std::string& input);

  // As VoConInputType: hypotheses with a word outside `helper`'s language
  // are skipped.
  std::vector<SimilarTWA> prefocus_suggestions_for(
      const AutosuggestHelper& helper, std::string input,
      bool include_sea) const override;
  // 5.146 * ln(d + 1) for d metres.
  double focus_penalty(double distance_m) const override;
  // English.
  Optional<Language> backstop_language() const override;
  // As VoConInputType, the messages naming Speechmatics.
  std::set<Language> guess_languages(
      const std::string& input,
      const wordlist::AllWordlists& wordlists) const override;
  ErrorDescriptor is_valid(const std::string& input) const override;
};

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_SPEECHMATICS_INPUT_TYPE_H_
