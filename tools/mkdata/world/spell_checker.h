// Spelling checks of many words at once with the hunspell program and
// Debian's hunspell dictionaries.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_SPELL_CHECKER_H_
#define TESSERA_TOOLS_MKDATA_WORLD_SPELL_CHECKER_H_

#include <string>
#include <unordered_set>
#include <vector>

namespace tessera {
namespace mkdata {

// Words to check against one dictionary: `dictionary` is its path without
// ".aff" / ".dic" ("/usr/share/hunspell/en_US").
struct SpellCheck {
  std::string dictionary;
  std::vector<std::string> words;  // UTF-8, one word each, no line feeds
};

// For each check, the words of it that the dictionary accepts as they are
// written (case counts: "berlin" is no English word where "Berlin" is a
// name). Runs `program` (looked up on PATH when it holds no "/") once per
// check as "hunspell -d DICTIONARY -i UTF-8 -G", all of them at once, with
// the words in a temporary file as input; the files are removed
// afterwards.
//
// Throws std::runtime_error when a temporary file cannot be made, the
// program cannot be started, or a run does not exit with status 0 (as
// when its dictionary is missing).
std::vector<std::unordered_set<std::string>> spell_check(
    const std::vector<SpellCheck>& checks,
    const std::string& program = "hunspell");

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_SPELL_CHECKER_H_
