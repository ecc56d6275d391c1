#include "autosuggest/inputtype/recogniser_output.h"

#include "core/utf16.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

std::vector<SimilarTWA> exact_candidates(
    const AutosuggestHelper& helper, const std::vector<Hypothesis>& hypotheses,
    bool include_sea, UnknownWord unknown, const std::string& unknown_prefix,
    const std::string& unknown_suffix) {
  std::vector<SimilarTWA> candidates;
  for (const Hypothesis& hypothesis : hypotheses) {
    SimilarTWA candidate{{0, 0, 0}, hypothesis.score};
    bool usable = true;
    for (int i = 0; i < 3 && usable; ++i) {
      const std::string& word = hypothesis.words[i];
      const Optional<int> id =
          helper.exact_reverse_lookup(core::to_u16string(word));
      if (!id) {
        if (unknown == UnknownWord::kThrow) {
          InvalidArgumentError::raise(unknown_prefix + word + unknown_suffix);
        }
        usable = false;
      } else if (!include_sea && AutosuggestHelper::is_sea_word(*id)) {
        usable = false;
      } else {
        candidate.words[i] = *id;
      }
    }
    if (usable) candidates.push_back(candidate);
  }
  return candidates;
}

std::set<Language> hypothesis_languages(
    const std::vector<Hypothesis>& hypotheses,
    const wordlist::AllWordlists& wordlists, const std::string& product) {
  std::set<Language> languages;
  for (const Hypothesis& hypothesis : hypotheses) {
    std::vector<Language> found;
    for (const std::string& word : hypothesis.words) {
      const Optional<Language> language =
          wordlists.find_language(core::to_u16string(word));
      if (!language) {
        InvalidArgumentError::raise("\n\nWord is not recognised: \"" + word +
                                    "\". Please use " + product +
                                    " together with a tessera grammar.\n ");
      }
      found.push_back(*language);
    }
    if (found[0] != found[1] || found[1] != found[2]) {
      const auto& w = hypothesis.words;
      InvalidArgumentError::raise(
          "Hypothesis \"" + w[0] + "." + w[1] + "." + w[2] +
          "\" contains words from multipe languages.\n"
          "All words must belong in the same language.\n"
          "Please use " +
          product + " together with a tessera grammar.\n");
    }
    languages.insert(found[0]);
  }
  return languages;
}

std::string not_well_formed_json(const std::string& input) {
  return "'" + input + "' is not well formed JSON.";
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
