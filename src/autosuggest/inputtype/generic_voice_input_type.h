// The plain text of a speech recogniser: words separated by blanks.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_GENERIC_VOICE_INPUT_TYPE_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_GENERIC_VOICE_INPUT_TYPE_H_

#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

// Names no language of its own: the caller must give one.
class GenericVoiceInputType : public InputType {
 public:
  static const char* const name;  // "generic-voice"
  static const char* const help;

  // The input split at tabs, line feeds, carriage returns and spaces (runs
  // of them count once); the first three pieces, joined by full stops, are
  // searched as typed text is, without related words; further pieces are
  // ignored, and fewer than three give nothing. Throws InvalidArgumentError
  // for input longer than 262,144 bytes or not well-formed UTF-8.
  std::vector<SimilarTWA> prefocus_suggestions_for(
      const AutosuggestHelper& helper, std::string input,
      bool include_sea) const override;
  // As TextInputType::compute_focus_penalty.
  double focus_penalty(double distance_m) const override;
};

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_GENERIC_VOICE_INPUT_TYPE_H_
