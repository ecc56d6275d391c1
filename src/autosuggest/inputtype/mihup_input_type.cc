#include "autosuggest/inputtype/mihup_input_type.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "autosuggest/inputtype/json.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

std::string structure_prefix(const std::string& input) {
  return "'" + input + "' is not valid input to Mihup autosuggest. ";
}

// The parts of `text` between runs of spaces.
std::vector<std::string> parts_of(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) break;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    parts.push_back(text.substr(start, i - start));
  }
  return parts;
}

// The score of a hypothesis: an optional sign and decimal digits, within
// the int range, and not above zero. Throws JsonStructureError otherwise.
int mihup_score(const std::string& text) {
  std::size_t digits = text.size() > 0 && (text[0] == '-' || text[0] == '+');
  bool well_formed = digits < text.size();
  for (std::size_t i = digits; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') well_formed = false;
  }
  if (!well_formed) {
    throw JsonStructureError("'" + text + "' is not a valid Mihup score.");
  }
  errno = 0;
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE || value < INT_MIN || value > INT_MAX) {
    throw JsonStructureError("'" + text +
                             "' is not a valid Mihup score as it is out of "
                             "range of an int.");
  }
  if (value > 0) {
    throw JsonStructureError(std::to_string(value) +
                             " is not a valid Mihup score as it is positive.");
  }
  return static_cast<int>(value);
}

}  // namespace

const char* const MihupInputType::name = "mihup";
const char* const MihupInputType::help =
    "Text from Mihup voice recognition. This should only be used with "
    "grammars provided by tessera ltd; using other grammars will cause "
    "run-time exceptions. Language detection is disabled, so @ref language "
    "must be set.";

std::vector<Hypothesis> MihupInputType::parse(const std::string& input) {
  if (input.empty()) {
    InvalidArgumentError::raise(
        "Empty strings are not suitable input; please provide JSON.");
  }
  rapidjson::Document document;
  if (!JSON::parse(input, &document)) {
    InvalidArgumentError::raise(not_well_formed_json(input));
  }
  std::vector<Hypothesis> hypotheses;
  try {
    if (!document.IsObject() || !document.HasMember("HYP")) {
      throw JsonStructureError("Input must contain a top-level 'HYP' field.");
    }
    const rapidjson::Value& hyp = document["HYP"];
    if (!hyp.IsArray()) throw JsonStructureError("HYP is not an array.");
    for (const rapidjson::Value& element : hyp.GetArray()) {
      if (!element.IsString()) {
        throw JsonStructureError("The HYP array must contain strings.");
      }
      const std::vector<std::string> parts =
          parts_of(std::string(element.GetString(), element.GetStringLength()));
      if (parts.size() != 4) {
        throw JsonStructureError(
            "All hypotheses should be of the form 'word word word score'.");
      }
      const int score = mihup_score(parts[3]);
      hypotheses.push_back(
          {{parts[0], parts[1], parts[2]}, -static_cast<double>(score)});
    }
  } catch (const JsonStructureError& e) {
    InvalidArgumentError::raise(structure_prefix(input) + e.what());
  }
  return hypotheses;
}

std::vector<SimilarTWA> MihupInputType::prefocus_suggestions_for(
    const AutosuggestHelper& helper, std::string input,
    bool include_sea) const {
  check_input_text(input);
  return exact_candidates(
      helper, parse(input), include_sea, UnknownWord::kThrow,
      structure_prefix(input) + " Word is not recognised: \"",
      "\". Please:\n - Use a version of Mihup that contains the tessera "
      "wordlist.\n - Check that you have passed the right language to "
      "autosuggest using the language(...) AutosuggestOption.");
}

double MihupInputType::focus_penalty(double distance_m) const {
  return 1e15 * std::log(distance_m + 1);
}

ErrorDescriptor MihupInputType::is_valid(const std::string& input) const {
  return validity_of(input, [](const std::string& in) { parse(in); });
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
