// How one kind of autosuggest input (typed text, a speech recogniser's
// text or JSON, an OCR result) becomes candidate addresses.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_INPUT_TYPE_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_INPUT_TYPE_H_

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_helper.h"
#include "autosuggest/similar_twa.h"
#include "tessera/error_descriptor.h"
#include "tessera/language.h"
#include "tessera/optional.h"
#include "wordlist/all_wordlists.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

// Input types hold no state: every operation is const and may be called
// from any number of threads.
class InputType {
 public:
  virtual ~InputType() = default;

  // The candidate addresses in `helper`'s language for `input`, each with a
  // score (smaller is better), before any focus is applied; not sorted.
  // Sea words are left out unless `include_sea`. Throws
  // InvalidArgumentError for input of a recogniser type that is malformed,
  // and for input longer than 262,144 bytes or not well-formed UTF-8;
  // malformed typed or spoken text just gives no candidates.
  virtual std::vector<SimilarTWA> prefocus_suggestions_for(
      const AutosuggestHelper& helper, std::string input,
      bool include_sea) const = 0;

  // What a candidate `distance_m` metres from the focus adds to its score.
  virtual double focus_penalty(double distance_m) const = 0;

  // True for typed input. The base gives false.
  virtual bool is_textual() const;

  // The language searched when no other is known. The base gives none.
  virtual Optional<Language> backstop_language() const;

  // The languages that `input` seems to be in. The base gives none.
  // Recogniser types throw InvalidArgumentError as prefocus_suggestions_for
  // does, and for words of no language or of several.
  virtual std::set<Language> guess_languages(
      const std::string& input, const wordlist::AllWordlists& wordlists) const;

  // Code 3 with the message prefocus_suggestions_for would throw for
  // malformed recogniser output; code 0 otherwise (always, in the base).
  // Never throws but std::bad_alloc.
  virtual ErrorDescriptor is_valid(const std::string& input) const;

  // A new input type of the registered name `name` (exact, case-sensitive).
  // Throws InvalidArgumentError "Invalid AutosuggestInputType \"" + name +
  // "\".\nAvailable types::\n\n" followed, for every registered type, by
  // "\"" + its name + "\" : " + its help text + "\n\n".
  static std::unique_ptr<InputType> create(const std::string& name);
};

// Throws InvalidArgumentError with the engine's messages when `input` is
// longer than 262,144 bytes or not well-formed UTF-8.
void check_input_text(const std::string& input);

// As check_input_text, returned as a descriptor (code 0 when fine).
ErrorDescriptor validate_input_text(const std::string& input);

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_INPUT_TYPE_H_
