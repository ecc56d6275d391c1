#include "autosuggest/inputtype/speechmatics_input_type.h"

#include <cmath>

#include "autosuggest/inputtype/json.h"
#include "core/format.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

constexpr char kProduct[] = "Speechmatics";
// Keeps the score of a confidence of 0 finite.
constexpr double kConfidenceOffset = 0.001;

}  // namespace

const char* const SpeechmaticsInputType::name = "speechmatics";
const char* const SpeechmaticsInputType::help =
    "Text from Speechmatics voice recognition. This should only be used with "
    "grammars provided by tessera ltd; using other grammars will cause "
    "run-time exceptions. Language detection is disabled, so @ref language "
    "must be set.";

const char* const SpeechmaticsInputType::input_schema = R"({
  "type": "object",
  "required": ["n_best_results"],
  "properties": {
    "n_best_results": {
      "type": "array",
      "minItems": 1,
      "maxItems": 1,
      "items": {
        "type": "object",
        "required": ["n_best_list"],
        "properties": {
          "n_best_list": {
            "type": "array",
            "items": {
              "type": "object",
              "required": ["confidence", "words"],
              "properties": {
                "confidence": {"type": "number", "minimum": 0, "maximum": 1},
                "words": {
                  "type": "array",
                  "items": {
                    "type": "object",
                    "required": ["content"],
                    "properties": {"content": {"type": "string"}}
                  }
                }
              }
            }
          }
        }
      }
    }
  }
})";

std::vector<Hypothesis> SpeechmaticsInputType::parse(const std::string& input) {
  if (input.empty()) {
    InvalidArgumentError::raise(
        "Empty string passed to Speechmatics Autosuggest.");
  }
  rapidjson::Document document;
  if (!JSON::parse(input, &document)) {
    InvalidArgumentError::raise(not_well_formed_json(input));
  }
  if (!JSON::check_with_schema(document, input_schema)) {
    InvalidArgumentError::raise(
        "Check against Speechmatics json scheme failed.");
  }
  std::vector<Hypothesis> hypotheses;
  try {
    const rapidjson::Value& results =
        JSON::as_array(JSON::member(document, "n_best_results"));
    if (results.Size() != 1) {
      throw JsonStructureError("n_best_results has more than one entries.");
    }
    for (const rapidjson::Value& entry :
         JSON::as_array(JSON::member(results[0], "n_best_list")).GetArray()) {
      const double confidence =
          JSON::as_number(JSON::member(entry, "confidence"));
      if (!(confidence >= 0 && confidence <= 1)) {
        throw JsonStructureError(
            core::format_f(confidence) +
            " is not a valid Speechmatics score as it is not in the range "
            "[0:1].");
      }
      const rapidjson::Value& words =
          JSON::as_array(JSON::member(entry, "words"));
      if (words.Size() != 3) continue;
      Hypothesis hypothesis;
      for (rapidjson::SizeType i = 0; i < 3; ++i) {
        hypothesis.words[i] =
            JSON::as_string(JSON::member(words[i], "content"));
      }
      hypothesis.score = -std::log(confidence + kConfidenceOffset);
      hypotheses.push_back(std::move(hypothesis));
    }
  } catch (const JsonStructureError& e) {
    InvalidArgumentError::raise(
        "'" + input + "' is not valid Speechmatics output. " + e.what());
  }
  return hypotheses;
}

std::vector<SimilarTWA> SpeechmaticsInputType::prefocus_suggestions_for(
    const AutosuggestHelper& helper, std::string input,
    bool include_sea) const {
  check_input_text(input);
  return exact_candidates(helper, parse(input), include_sea, UnknownWord::kSkip,
                          "", "");
}

double SpeechmaticsInputType::focus_penalty(double distance_m) const {
  return 5.146 * std::log(distance_m + 1);
}

Optional<Language> SpeechmaticsInputType::backstop_language() const {
  return Language("en");
}

std::set<Language> SpeechmaticsInputType::guess_languages(
    const std::string& input, const wordlist::AllWordlists& wordlists) const {
  check_input_text(input);
  return hypothesis_languages(parse(input), wordlists, kProduct);
}

ErrorDescriptor SpeechmaticsInputType::is_valid(
    const std::string& input) const {
  return validity_of(input, [](const std::string& in) { parse(in); });
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
