#include "autosuggest/inputtype/mawdoo3_input_type.h"

#include <cmath>

#include "autosuggest/inputtype/json.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

// Confidences run up to this; a hypothesis scores the difference.
constexpr double kFullConfidence = 1010;

std::string structure_prefix(const std::string& input) {
  return "'" + input + "' is not valid Mawdoo3 output. ";
}

}  // namespace

const char* const Mawdoo3InputType::name = "mawdoo3";
const char* const Mawdoo3InputType::help =
    "Text from Mawdoo3 voice recognition. This should only be used with "
    "grammars provided by tessera ltd; using other grammars will cause "
    "run-time exceptions. Language detection is disabled, so @ref language "
    "must be set.";

const char* const Mawdoo3InputType::input_schema = R"({
  "type": "object",
  "required": ["hypotheses"],
  "properties": {
    "hypotheses": {
      "type": "array",
      "items": {
        "type": "object",
        "required": ["confidence", "transcript"],
        "properties": {
          "confidence": {"type": "number", "minimum": 226, "maximum": 1010},
          "transcript": {"type": "array", "items": {"type": "string"}}
        }
      }
    }
  }
})";

std::vector<Hypothesis> Mawdoo3InputType::parse(const std::string& input) {
  rapidjson::Document document;
  if (!JSON::parse(input, &document)) {
    InvalidArgumentError::raise(not_well_formed_json(input));
  }
  if (!JSON::check_with_schema(document, input_schema)) {
    InvalidArgumentError::raise("Check against Mawdoo3 json scheme failed.");
  }
  std::vector<Hypothesis> hypotheses;
  try {
    for (const rapidjson::Value& h :
         JSON::as_array(JSON::member(document, "hypotheses")).GetArray()) {
      const double confidence = JSON::as_number(JSON::member(h, "confidence"));
      const rapidjson::Value& transcript =
          JSON::as_array(JSON::member(h, "transcript"));
      if (transcript.Size() != 3) continue;
      Hypothesis hypothesis;
      for (rapidjson::SizeType i = 0; i < 3; ++i) {
        hypothesis.words[i] = JSON::as_string(transcript[i]);
      }
      hypothesis.score = kFullConfidence - confidence;
      hypotheses.push_back(std::move(hypothesis));
    }
  } catch (const JsonStructureError& e) {
    InvalidArgumentError::raise(structure_prefix(input) + e.what());
  }
  return hypotheses;
}

std::vector<SimilarTWA> Mawdoo3InputType::prefocus_suggestions_for(
    const AutosuggestHelper& helper, std::string input,
    bool include_sea) const {
  check_input_text(input);
  return exact_candidates(
      helper, parse(input), include_sea, UnknownWord::kThrow,
      structure_prefix(input) + "\n\nWord \"",
      "\" is not recognised. Please:\n  - Use Mawdoo3 together with a "
      "tessera grammar.\n  - Check that you have passed the right language "
      "to autosuggest using the language(...) AutosuggestOption.");
}

double Mawdoo3InputType::focus_penalty(double distance_m) const {
  return 1e15 * std::log(distance_m + 1);
}

ErrorDescriptor Mawdoo3InputType::is_valid(const std::string& input) const {
  return validity_of(input, [](const std::string& in) { parse(in); });
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
