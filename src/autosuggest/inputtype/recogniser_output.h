// What the input types of recogniser output share: hypotheses of three
// words with a score, turned into candidates by exact lookup.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_RECOGNISER_OUTPUT_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_RECOGNISER_OUTPUT_H_

#include <array>
#include <set>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_helper.h"
#include "autosuggest/inputtype/input_type.h"
#include "autosuggest/similar_twa.h"
#include "tessera/error.h"
#include "tessera/error_descriptor.h"
#include "tessera/language.h"
#include "wordlist/all_wordlists.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

// One reading of the input by the recogniser: three words in UTF-8 and the
// score its confidence gives (smaller is better).
struct Hypothesis {
  std::array<std::string, 3> words;
  double score;
};

// What to do with a hypothesis holding a word of no wordlist.
enum class UnknownWord { kSkip, kThrow };

// The candidates of `hypotheses` in order: each word looked up exactly in
// `helper`'s language. A hypothesis with a sea word is skipped unless
// `include_sea`. A word that is not found skips its hypothesis with
// UnknownWord::kSkip; with kThrow, throws InvalidArgumentError with
// `unknown_prefix` + word + `unknown_suffix`.
std::vector<SimilarTWA> exact_candidates(
    const AutosuggestHelper& helper, const std::vector<Hypothesis>& hypotheses,
    bool include_sea, UnknownWord unknown, const std::string& unknown_prefix,
    const std::string& unknown_suffix);

// The languages of the hypotheses' words, for recognisers whose grammar
// only holds words of one language at a time. Throws InvalidArgumentError
// naming `product` ("VoCon Hybrid") for a word of no language, or for a
// hypothesis whose words are of different languages.
std::set<Language> hypothesis_languages(
    const std::vector<Hypothesis>& hypotheses,
    const wordlist::AllWordlists& wordlists, const std::string& product);

// "'" + input + "' is not well formed JSON."
std::string not_well_formed_json(const std::string& input);

// Runs `parse` (which throws InvalidArgumentError for malformed input) after
// checking the input text, and reports the outcome as a descriptor: code 3
// with the message, or code 0.
template <typename Parse>
ErrorDescriptor validity_of(const std::string& input, Parse&& parse) {
  ErrorDescriptor text = validate_input_text(input);
  if (text.code != 0) return text;
  try {
    parse(input);
  } catch (const InvalidArgumentError& e) {
    return {3, e.what()};
  }
  return {};
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_RECOGNISER_OUTPUT_H_
