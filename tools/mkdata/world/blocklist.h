// The words that no address of a world language may show: offensive words,
// read from a reviewable file per language (blocklist/<code>.txt in this
// folder) and from the offensive-word lists of the sources.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_BLOCKLIST_H_
#define TESSERA_TOOLS_MKDATA_WORLD_BLOCKLIST_H_

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "mkdata/world/word_endings.h"

namespace tessera {
namespace mkdata {

// One language's blocked words. Empty when made; entries are added, then
// it is only read, which is thread-safe.
class Blocklist {
 public:
  Blocklist() = default;
  // The entries refer to strings the object owns: not copyable.
  Blocklist(const Blocklist&) = delete;
  Blocklist& operator=(const Blocklist&) = delete;

  // Adds the entries of a blocklist file's `text`, one a line (a trailing
  // "\r" and blanks around it ignored; empty lines and lines starting with
  // "#" skipped):
  //   word      blocks the word and its forms;
  //   =word     blocks this spelling only;
  //   word+     blocks the word and its forms, and compounds with it;
  //   *part*    blocks every word holding the part.
  // Throws std::invalid_argument naming `origin` and the line number for an
  // entry without a word or holding a space, or a "*" elsewhere than at
  // both ends.
  void add_entries(std::string_view text, const std::string& origin);

  // Adds `word` as a "word" entry; a phrase of several words (holding a
  // space) is ignored, as no single address word can show it.
  void add_word(std::string_view word);

  // True when `word` is blocked. Its forms are `word` and `bases`, its
  // base forms in `lexicon` (from WordEndings::bases_in); it is blocked
  // when
  //   - it is a "=word" entry;
  //   - or one of its forms is a "word" or "word+" entry (a plural of a
  //     listed noun);
  //   - or one of its forms holds a "*part*" entry;
  //   - or it is a compound of a "word+" entry and another word of
  //     `lexicon` of at least 4 characters, in either order, judged on its
  //     base forms when it has some, so that the other half is never a
  //     mere inflected form.
  // Words that merely contain a listed word ("grape", "passage") pass.
  bool blocks(std::string_view word, const std::vector<std::string>& bases,
              const Lexicon& lexicon) const;

  // Every entry's word or part, for checks on finished word lists.
  std::vector<std::string> entries() const;

 private:
  bool blocks_form(std::string_view form) const;
  bool is_compound(std::string_view form, const Lexicon& lexicon) const;
  std::string_view own(std::string_view text);

  std::unordered_set<std::string> owned_;  // the strings the views below show
  std::unordered_set<std::string_view> words_;
  std::unordered_set<std::string_view> spellings_;
  std::unordered_set<std::string_view> compound_words_;
  std::vector<std::string> parts_;
};

// The folder of the blocklist files in the source tree.
std::string default_blocklist_dir();

// The blocklist of language `code` ("en") read from "<dir>/<code>.txt".
// Throws std::runtime_error when the file cannot be read, and what
// add_entries throws.
void read_blocklist_file(const std::string& dir, const std::string& code,
                         Blocklist* blocklist);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_BLOCKLIST_H_
