// Stand-ins for the wordlists and normaliser that autosuggest borrows: a few
// words per language, kept in memory, and a normaliser that lower-cases
// ASCII letters and drops the apostrophe.
#ifndef TESSERA_TESTS_AUTOSUGGEST_FAKE_WORDLISTS_H_
#define TESSERA_TESTS_AUTOSUGGEST_FAKE_WORDLISTS_H_

#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "normalise/normaliser.h"
#include "tessera/language.h"
#include "tessera/optional.h"
#include "wordlist/all_wordlists.h"

namespace tessera {
namespace test {

// Lower-cases 'A' ... 'Z' and deletes the apostrophe; maps every other code
// unit to itself.
normalise::Normaliser ascii_normaliser();

// Word i of a language's list has number i; words are compared after
// ascii_normaliser. wordlist() is not offered (it throws std::out_of_range).
class FakeWordlists : public wordlist::AllWordlists {
 public:
  explicit FakeWordlists(std::map<Language, std::vector<std::string>> words);

  const wordlist::Wordlist& wordlist(Language language) const override;
  Optional<std::pair<Language, std::array<int, 3>>> decode(
      const std::array<std::u16string, 3>& words) const override;
  Optional<Language> find_language(const std::u16string& word) const override;
  std::set<Language> languages_used_in(
      const std::array<std::u16string, 3>& words) const override;
  Optional<int> id_of_exact_match(const std::u16string& word,
                                  Language language) const override;

 private:
  normalise::Normaliser normaliser_;
  std::map<Language, std::vector<std::u16string>> words_;  // normalised
};

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_AUTOSUGGEST_FAKE_WORDLISTS_H_
