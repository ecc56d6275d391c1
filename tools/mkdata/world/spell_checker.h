// Spelling checks of many words at once with the hunspell program and
// Debian's hunspell dictionaries.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_SPELL_CHECKER_H_
#define TESSERA_TOOLS_MKDATA_WORLD_SPELL_CHECKER_H_

#include <memory>
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

// One run of `program` (looked up on PATH when it holds no "/") on one
// check, as "hunspell -d DICTIONARY -i UTF-8 -G" with the words in a
// temporary file as input, started when the object is made so that the
// caller can go on meanwhile. The files are removed, and the process
// waited for, when the object goes. Not copyable.
class SpellCheckRun {
 public:
  // Throws std::runtime_error when a temporary file cannot be made or
  // written, or the program cannot be started.
  explicit SpellCheckRun(const SpellCheck& check,
                         const std::string& program = "hunspell");
  ~SpellCheckRun();
  SpellCheckRun(const SpellCheckRun&) = delete;
  SpellCheckRun& operator=(const SpellCheckRun&) = delete;

  // Waits for the run and returns the words of the check that the
  // dictionary accepts as they are written (case counts: "berlin" is no
  // English word where "Berlin" is a name). Throws std::runtime_error when
  // the run did not exit with status 0 (as when its dictionary is
  // missing), or when called twice.
  std::unordered_set<std::string> accepted();

 private:
  struct Files;
  std::unique_ptr<Files> files_;
  std::string command_;  // for messages
  int pid_ = -1;
};

// The accepted words of each check: a SpellCheckRun for each, all running
// at once. Throws as SpellCheckRun does.
std::vector<std::unordered_set<std::string>> spell_check(
    const std::vector<SpellCheck>& checks,
    const std::string& program = "hunspell");

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_SPELL_CHECKER_H_
