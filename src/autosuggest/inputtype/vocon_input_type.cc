#include "autosuggest/inputtype/vocon_input_type.h"

#include <algorithm>
#include <cmath>

#include "autosuggest/inputtype/json.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

constexpr char kProduct[] = "VoCon Hybrid";
// Confidences run up to this; a hypothesis scores the difference.
constexpr std::int64_t kFullConfidence = 10000;
// Beyond 5,000 km the penalty no longer grows.
constexpr double kFarthestPenalisedM = 5000000;

struct Keys {
  const char* hypotheses;
  const char* confidence;
  const char* items;
  const char* orthography;
};

constexpr Keys kVersion4Keys = {"_hypotheses", "_conf", "_items",
                                "_orthography"};
constexpr Keys kVersion5Keys = {"hypotheses", "confidence", "items",
                                "orthography"};

}  // namespace

const char* const VoConInputType::name = "vocon-hybrid";
const char* const VoConInputType::help =
    "JSON from Nuance VoCon\u00ae Hybrid. This should only be used with "
    "grammars provided by tessera ltd; using other grammars will cause "
    "run-time exceptions. Language detection is disabled, so @ref language "
    "must be set.";

const char* const VoConInputType::vocon4_schema = R"({
  "type": "object",
  "required": ["_hypotheses"],
  "properties": {
    "_hypotheses": {
      "type": "array",
      "items": {
        "type": "object",
        "required": ["_conf", "_items"],
        "properties": {
          "_conf": {"type": "integer", "minimum": 0, "maximum": 10000},
          "_items": {
            "type": "array",
            "items": {
              "type": "object",
              "required": ["_orthography"],
              "properties": {"_orthography": {"type": ["string", "null"]}}
            }
          }
        }
      }
    }
  }
})";

const char* const VoConInputType::vocon5_schema = R"({
  "type": "object",
  "required": ["hypotheses"],
  "properties": {
    "hypotheses": {
      "type": "array",
      "items": {
        "type": "object",
        "required": ["confidence", "items"],
        "properties": {
          "confidence": {"type": "integer", "minimum": 0, "maximum": 10000},
          "items": {
            "type": "array",
            "items": {
              "type": "object",
              "required": ["orthography"],
              "properties": {"orthography": {"type": ["string", "null"]}}
            }
          }
        }
      }
    }
  }
})";

std::vector<Hypothesis> VoConInputType::parse(const std::string& input,
                                              int* version) {
  rapidjson::Document document;
  if (!JSON::parse(input, &document)) {
    InvalidArgumentError::raise(not_well_formed_json(input));
  }
  int layout;
  if (JSON::check_with_schema(document, vocon4_schema)) {
    layout = 4;
  } else if (JSON::check_with_schema(document, vocon5_schema)) {
    layout = 5;
  } else {
    InvalidArgumentError::raise("'" + input +
                                "' is not valid VoCon Hybrid output.");
  }
  if (version) *version = layout;
  const Keys& keys = layout == 4 ? kVersion4Keys : kVersion5Keys;
  std::vector<Hypothesis> hypotheses;
  try {
    for (const rapidjson::Value& h :
         JSON::as_array(JSON::member(document, keys.hypotheses)).GetArray()) {
      const std::int64_t confidence =
          JSON::as_integer(JSON::member(h, keys.confidence));
      const rapidjson::Value& items =
          JSON::as_array(JSON::member(h, keys.items));
      if (items.Size() != 3)
        throw JsonStructureError(" Wrong number of items.");
      Hypothesis hypothesis;
      for (rapidjson::SizeType i = 0; i < 3; ++i) {
        hypothesis.words[i] =
            JSON::as_string(JSON::member(items[i], keys.orthography));
      }
      hypothesis.score = static_cast<double>(kFullConfidence - confidence);
      hypotheses.push_back(std::move(hypothesis));
    }
  } catch (const JsonStructureError& e) {
    InvalidArgumentError::raise("'" + input + "' is not valid VoCon Hybrid " +
                                std::to_string(layout) + " output." + e.what());
  }
  return hypotheses;
}

std::vector<SimilarTWA> VoConInputType::prefocus_suggestions_for(
    const AutosuggestHelper& helper, std::string input,
    bool include_sea) const {
  check_input_text(input);
  return exact_candidates(helper, parse(input), include_sea, UnknownWord::kSkip,
                          "", "");
}

double VoConInputType::focus_penalty(double distance_m) const {
  return 425 * std::log10(std::min(distance_m, kFarthestPenalisedM) + 1000);
}

Optional<Language> VoConInputType::backstop_language() const {
  return Language("en");
}

std::set<Language> VoConInputType::guess_languages(
    const std::string& input, const wordlist::AllWordlists& wordlists) const {
  check_input_text(input);
  return hypothesis_languages(parse(input), wordlists, kProduct);
}

ErrorDescriptor VoConInputType::is_valid(const std::string& input) const {
  return validity_of(input, [](const std::string& in) { parse(in); });
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
