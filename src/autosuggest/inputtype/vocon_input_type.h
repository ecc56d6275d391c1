// The JSON output of Nuance VoCon Hybrid, in its version 4 or version 5
// layout.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_VOCON_INPUT_TYPE_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_VOCON_INPUT_TYPE_H_

#include <set>
#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type.h"
#include "autosuggest/inputtype/recogniser_output.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

class VoConInputType : public InputType {
 public:
  static const char* const name;  // "vocon-hybrid"
  static const char* const help;
  // Version 4: {"_hypotheses": [{"_conf": 0 ... 10000, "_items":
  // [{"_orthography": string or null}, ...]}, ...]}; version 5 the same with
  // "hypotheses", "confidence", "items" and "orthography".
  static const char* const vocon4_schema;
  static const char* const vocon5_schema;

  // The layout (4 if valid against both) and the hypotheses of `input`,
  // each scored 10000 - confidence. Throws InvalidArgumentError: "'" +
  // input + "' is not well formed JSON." for a syntax error, "'" + input +
  // "' is not valid VoCon Hybrid output." when neither layout validates,
  // and "'" + input + "' is not valid VoCon Hybrid " + layout + " output."
  // followed by a detail for a hypothesis without exactly three items or
  // with an item that has no orthography string.
  static std::vector<Hypothesis> parse(const std::string& input,
                                       int* version = nullptr);

  // Each hypothesis whose three words are words of `helper`'s language (and
  // not sea words, unless `include_sea`), in input order.
  std::vector<SimilarTWA> prefocus_suggestions_for(
      const AutosuggestHelper& helper, std::string input,
      bool include_sea) const override;
  // 425 * log10(min(d, 5,000 km) + 1000) for d metres.
  double focus_penalty(double distance_m) const override;
  // English.
  Optional<Language> backstop_language() const override;
  // The language of each hypothesis. Throws InvalidArgumentError for a word
  // of no language and for a hypothesis mixing languages.
  std::set<Language> guess_languages(
      const std::string& input,
      const wordlist::AllWordlists& wordlists) const override;
  ErrorDescriptor is_valid(const std::string& input) const override;
};

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_VOCON_INPUT_TYPE_H_
