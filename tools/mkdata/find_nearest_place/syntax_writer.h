// Writes "nearest_place_finder/syntax.data", the per-language rules that
// join a place's name and qualifier.
#ifndef TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_SYNTAX_WRITER_H_
#define TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_SYNTAX_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

struct JoiningRule {
  std::string language_code;
  // 1: qualifier first; 2: a comma between; 4: a space between (after the
  // comma). A language without a rule is joined as 6.
  std::uint16_t flags;
};

// The syntax file with `rules` in order (the first rule of a language is
// the one readers use). Deterministic.
//
// Throws std::invalid_argument when a code is not a known two-letter
// language code or flags exceed 7.
std::vector<std::uint8_t> syntax_file(const std::vector<JoiningRule>& rules);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_FIND_NEAREST_PLACE_SYNTAX_WRITER_H_
