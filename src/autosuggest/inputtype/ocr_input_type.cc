#include "autosuggest/inputtype/ocr_input_type.h"

#include <cmath>

#include "autosuggest/inputtype/json.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

std::string structure_prefix(const std::string& input) {
  return "'" + input + "' is not valid tsr ocr output. ";
}

}  // namespace

const char* const OcrInputType::name = "tsr-ocr-sdk";
const char* const OcrInputType::help =
    "Text from TSR Optical Character Recognition system. This should only be "
    "used with OCR provided by tessera ltd. Language detection is disabled, "
    "so @ref language must be set.";

const char* const OcrInputType::input_schema = R"({
  "type": "object",
  "required": ["ocr-version", "hypotheses"],
  "properties": {
    "ocr-version": {"type": "string"},
    "hypotheses": {
      "type": "array",
      "items": {
        "type": "object",
        "required": ["address", "penalty"],
        "properties": {
          "address": {"type": "array", "items": {"type": "string"}},
          "penalty": {"type": "integer"}
        }
      }
    }
  }
})";

std::vector<Hypothesis> OcrInputType::parse(const std::string& input) {
  rapidjson::Document document;
  if (!JSON::parse(input, &document)) {
    InvalidArgumentError::raise(not_well_formed_json(input));
  }
  if (!JSON::check_with_schema(document, input_schema)) {
    InvalidArgumentError::raise("Check against TSR OCR json scheme failed.");
  }
  std::vector<Hypothesis> hypotheses;
  try {
    for (const rapidjson::Value& h :
         JSON::as_array(JSON::member(document, "hypotheses")).GetArray()) {
      const rapidjson::Value& address =
          JSON::as_array(JSON::member(h, "address"));
      if (address.Size() != 3) {
        throw JsonStructureError("Element " + JSON::to_string(address) +
                                 " should contain extractly 3 words");
      }
      Hypothesis hypothesis;
      for (rapidjson::SizeType i = 0; i < 3; ++i) {
        hypothesis.words[i] = JSON::as_string(address[i]);
      }
      hypothesis.score =
          static_cast<double>(JSON::as_integer(JSON::member(h, "penalty")));
      hypotheses.push_back(std::move(hypothesis));
    }
  } catch (const JsonStructureError& e) {
    InvalidArgumentError::raise(structure_prefix(input) + e.what());
  }
  return hypotheses;
}

std::vector<SimilarTWA> OcrInputType::prefocus_suggestions_for(
    const AutosuggestHelper& helper, std::string input,
    bool include_sea) const {
  check_input_text(input);
  return exact_candidates(
      helper, parse(input), include_sea, UnknownWord::kThrow,
      structure_prefix(input) + "\n\nWord is not recognised: \"",
      "\". Please:\n  - Use TSR OCR SDK together with a tessera grammar.\n  - "
      "Check that you have passed the right language to autosuggest using "
      "the language(...) AutosuggestOption.");
}

double OcrInputType::focus_penalty(double distance_m) const {
  return 1000 * std::log(distance_m + 1);
}

ErrorDescriptor OcrInputType::is_valid(const std::string& input) const {
  return validity_of(input, [](const std::string& in) { parse(in); });
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
