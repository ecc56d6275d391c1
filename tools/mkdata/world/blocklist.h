// The offensive words of the world languages, which an address must never
// show.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_BLOCKLIST_H_
#define TESSERA_TOOLS_MKDATA_WORLD_BLOCKLIST_H_

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "mkdata/world/word_endings.h"

namespace tessera {
namespace mkdata {

// One language's blocked words, from a short table of profanities, sexual
// words and slurs. Immutable once built, so thread-safe.
class Blocklist {
 public:
  // The blocklist of language `code` ("en"); empty for another code.
  explicit Blocklist(const std::string& code);

  // True when `word` is offensive. Its forms are `word` and `bases`, its
  // base forms in `lexicon` (from WordEndings::bases_in); it is blocked
  // when
  //   - it is a word listed in this spelling only;
  //   - or one of its forms is a listed word (a plural of a listed noun);
  //   - or one of its forms holds a part that is offensive wherever it
  //     appears;
  //   - or it is a compound of a word listed for compounds and another word
  //     of `lexicon` of at least 4 characters, in either order, judged on
  //     its base forms when it has some, so that the other half is never a
  //     mere inflected form.
  // Words that merely contain a listed word ("grape", "passage") pass.
  bool blocks(std::string_view word, const std::vector<std::string>& bases,
              const Lexicon& lexicon) const;

 private:
  bool blocks_form(std::string_view form) const;
  bool is_compound(std::string_view form, const Lexicon& lexicon) const;

  std::unordered_set<std::string> owned_;  // the strings the views below show
  std::unordered_set<std::string_view> words_;
  std::unordered_set<std::string_view> spellings_;
  std::unordered_set<std::string_view> compound_words_;
  std::vector<std::string> parts_;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_BLOCKLIST_H_
