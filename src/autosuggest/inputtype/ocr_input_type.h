// The JSON output of the TSR optical character recognition system.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_OCR_INPUT_TYPE_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_OCR_INPUT_TYPE_H_

#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type.h"
#include "autosuggest/inputtype/recogniser_output.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

// Names no language of its own: the caller must give one.
class OcrInputType : public InputType {
 public:
  static const char* const name;  // "tsr-ocr-sdk"
  static const char* const help;
  // {"ocr-version": string, "hypotheses": [{"address": [string, ...],
  // "penalty": integer}, ...]}
  static const char* const input_schema;

  // The hypotheses, each scored by its penalty. Throws
  // InvalidArgumentError: "'" + input + "' is not well formed JSON.",
  // "Check against TSR OCR json scheme failed.", or "'" + input + "' is not
  // valid tsr ocr output. " followed by a detail, such as "Element " +
  // address as JSON + " should contain extractly 3 words".
  static std::vector<Hypothesis> parse(const std::string& input);

  // Every hypothesis without sea words (unless `include_sea`), in input
  // order. Throws InvalidArgumentError, with the structural prefix of
  // parse, for a word that is not in `helper`'s language.
  std::vector<SimilarTWA> prefocus_suggestions_for(
      const AutosuggestHelper& helper, std::string input,
      bool include_sea) const override;
  // 1000 * ln(d + 1) for d metres.
  double focus_penalty(double distance_m) const override;
  ErrorDescriptor is_valid(const std::string& input) const override;
};

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_OCR_INPUT_TYPE_H_
