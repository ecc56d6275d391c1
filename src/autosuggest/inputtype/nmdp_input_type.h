// The plain text of the Nuance NMDP dictation service: one hypothesis per
// line.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_NMDP_INPUT_TYPE_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_NMDP_INPUT_TYPE_H_

#include <string>
#include <vector>

#include "autosuggest/inputtype/input_type.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

// Names no language of its own: the caller must give one.
class NMDPInputType : public InputType {
 public:
  static const char* const name;  // "nmdp-asr"
  static const char* const help;

  // For each of the first three lines: its words (split at spaces, pieces
  // shorter than two code units dropped) searched as (t1, t2, t3) and, with
  // four or more words, as (t1t2, t3, t4), (t1, t2t3, t4) and (t1, t2, t3t4)
  // too; every grouping's best combinations (300 for the first grouping,
  // 150 for the joined ones) are appended, scored 0.16 * their total plus
  // an offset for the line and grouping. Throws InvalidArgumentError for
  // input longer than 262,144 bytes or not well-formed UTF-8.
  std::vector<SimilarTWA> prefocus_suggestions_for(
      const AutosuggestHelper& helper, std::string input,
      bool include_sea) const override;
  // 4.1 * log10(d + 1000) for d metres.
  double focus_penalty(double distance_m) const override;
};

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_NMDP_INPUT_TYPE_H_
