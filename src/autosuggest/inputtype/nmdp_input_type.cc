#include "autosuggest/inputtype/nmdp_input_type.h"

#include <cmath>

#include "autosuggest/combine_word_suggestions.h"
#include "core/text.h"
#include "core/utf16.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

constexpr int kLines = 3;
constexpr int kPlainCombinations = 300;
constexpr int kJoinedCombinations = 150;
constexpr double kScoreWeight = 0.16;

// Offsets of the plain grouping (t1, t2, t3), by line.
constexpr double kPlainOffset[kLines] = {0, 0, 0.8};
// Offsets of (t1t2, t3, t4), (t1, t2t3, t4) and (t1, t2, t3t4), by line.
constexpr double kJoinedOffset[kLines][3] = {
    {-2.0, -3.5, -1.0}, {-2.0, -3.0, 0.0}, {-2.0, 0.0, -1.0}};

// Words shorter than this are recognition noise.
constexpr std::size_t kShortestWord = 2;

}  // namespace

const char* const NMDPInputType::name = "nmdp-asr";
// The dictation service's address depends on the deployment.
const char* const NMDPInputType::help =
    "Text from the Nuance server at https://dictation.nuancemobility.net. "
    "Please contact Nuance before attempting to use this server. Use with "
    "text from any other source is unsupported and results may not be as "
    "expected. This should only be used with grammars provided by tessera "
    "ltd; using other grammars will cause run-time exceptions. Does not "
    "handle text in languages in which words are not separated by spaces, "
    "e.g. Chinese. Language detection is disabled, so @ref language must be "
    "set.";

std::vector<SimilarTWA> NMDPInputType::prefocus_suggestions_for(
    const AutosuggestHelper& helper, std::string input,
    bool include_sea) const {
  check_input_text(input);
  std::vector<SimilarTWA> candidates;
  auto add = [&](const std::u16string& a, const std::u16string& b,
                 const std::u16string& c, int n, double offset) {
    const auto first = helper.possibilities_for_word(a, false, include_sea);
    const auto second = helper.possibilities_for_word(b, false, include_sea);
    const auto third = helper.possibilities_for_word(c, false, include_sea);
    for (SimilarTWA& twa :
         combine_word_suggestions(*first, *second, *third, n)) {
      twa.score = kScoreWeight * twa.score + offset;
      candidates.push_back(twa);
    }
  };
  const std::vector<std::string> lines = core::split(input, '\n');
  for (int line = 0; line < kLines && line < static_cast<int>(lines.size());
       ++line) {
    std::vector<std::u16string> t;
    for (std::u16string& token :
         core::split(core::to_u16string(lines[line]), u' ')) {
      if (token.size() >= kShortestWord) t.push_back(std::move(token));
    }
    if (t.size() < 3) continue;
    add(t[0], t[1], t[2], kPlainCombinations, kPlainOffset[line]);
    if (t.size() < 4) continue;
    add(t[0] + t[1], t[2], t[3], kJoinedCombinations, kJoinedOffset[line][0]);
    add(t[0], t[1] + t[2], t[3], kJoinedCombinations, kJoinedOffset[line][1]);
    add(t[0], t[1], t[2] + t[3], kJoinedCombinations, kJoinedOffset[line][2]);
  }
  return candidates;
}

double NMDPInputType::focus_penalty(double distance_m) const {
  return 4.1 * std::log10(distance_m + 1000);
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
