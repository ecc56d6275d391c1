// The regular endings of the world languages' inflected forms, used to tell
// a word list's base forms ("walk", "parler") from the forms derived from
// them ("walks", "walked", "parlons").
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORD_ENDINGS_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORD_ENDINGS_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "mkdata/world/word_set.h"

namespace tessera {
namespace mkdata {

// The words of one word list, as UTF-8.
using Lexicon = WordSet;

// One language's endings. An ending rule says that a word ending in
// `ending` may be the stem (the word without it, at least two bytes long)
// plus `base_ending` inflected: for English, "ies" from "y" turns "carries"
// back into "carry". Where the language doubles a final consonant before
// some endings ("stopped"), the single consonant is tried too.
//
// The rules only guess: "casa" looks derived from the verb "casar". They
// rank words and extend blocked words to their forms; an error costs a word
// its rank, or rarely its place. Immutable once built, so thread-safe.
class WordEndings {
 public:
  // The endings of language `code` ("en"); none for another code.
  explicit WordEndings(const std::string& code);

  // Replaces `*bases` by every base form that undoing one ending of `word`
  // gives, whether or not it is a word, in a fixed order; may repeat.
  void bases(std::string_view word, std::vector<std::string>* bases) const;

  // The same keeping only the base forms in `lexicon` other than `word`.
  void bases_in(std::string_view word, const Lexicon& lexicon,
                std::vector<std::string>* bases) const;

  // True when `lexicon` holds a form that adding one ending to `word` makes
  // ("depths" for "depth").
  bool has_form(std::string_view word, const Lexicon& lexicon) const;

  // True when `word` is a lemma although a base form of it is a word: a
  // German or Dutch infinitive ("gehen") is not a form of its stem ("geh")
  // when `lexicon` also holds a form made from the infinitive ("geht").
  bool is_lemma(std::string_view word, const Lexicon& lexicon) const;

  // True when a base form of `word` other than `word` is in `lexicon` and
  // `word` is not a lemma: an inflected form.
  bool is_derived(std::string_view word, const Lexicon& lexicon) const;

  // The most characters by which a base form is longer than its word.
  std::size_t max_growth() const noexcept { return max_growth_; }

 private:
  struct Rule {
    std::string ending;
    std::string base_ending;
    bool undoubles;  // also try the stem without a doubled last letter
  };

  // The rules by the last byte of their ending, so that a word tries only
  // the rules that can undo one of its endings.
  std::vector<std::vector<Rule>> by_ending_;
  // The rules by the last byte of their base ending, the rules with an
  // empty base ending last, so that a word tries only the rules that can
  // add an ending to it.
  std::vector<std::vector<Rule>> by_base_ending_;
  // Read the other way: a word ending in `base_ending` is a lemma when its
  // stem plus `ending` is in the list.
  std::vector<Rule> lemma_rules_;
  std::size_t max_growth_ = 0;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORD_ENDINGS_H_
