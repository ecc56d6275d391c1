// The JSON output of Mawdoo3 speech recognition.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_MAWDOO3_INPUT_TYPE_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_MAWDOO3_INPUT_TYPE_H_

#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type.h"
#include "autosuggest/inputtype/recogniser_output.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

// Names no language of its own: the caller must give one.
class Mawdoo3InputType : public InputType {
 public:
  static const char* const name;  // "mawdoo3"
  static const char* const help;
  // {"hypotheses": [{"confidence": 226 ... 1010, "transcript": [string,
  // ...]}, ...]}
  static const char* const input_schema;

  // The hypotheses whose transcript holds exactly three words (others are
  // left out), each scored 1010 - confidence. Throws InvalidArgumentError:
  // "'" + input + "' is not well formed JSON.", "Check against Mawdoo3 json
  // scheme failed.", or "'" + input + "' is not valid Mawdoo3 output. "
  // followed by a detail.
  static std::vector<Hypothesis> parse(const std::string& input);

  // Every hypothesis without sea words (unless `include_sea`), in input
  // order. Throws InvalidArgumentError, with the structural prefix of
  // parse, for a word that is not in `helper`'s language.
  std::vector<SimilarTWA> prefocus_suggestions_for(
      const AutosuggestHelper& helper, std::string input,
      bool include_sea) const override;
  // 10^15 * ln(d + 1) for d metres: with a focus, distance decides.
  double focus_penalty(double distance_m) const override;
  ErrorDescriptor is_valid(const std::string& input) const override;
};

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_MAWDOO3_INPUT_TYPE_H_
