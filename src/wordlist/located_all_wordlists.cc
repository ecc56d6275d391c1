#include "wordlist/located_all_wordlists.h"

namespace tessera {
namespace wordlist {
namespace {

// True when the record at `offset` of `wordlist` normalises to `normalised`;
// its word number is then stored in `id`.
bool confirm(const normalise::Normaliser& normaliser, const Wordlist& wordlist,
             int offset, const std::u16string& normalised, int& id) {
  const std::pair<int, std::string> record = wordlist.at_offset(offset);
  if (normaliser.normalise_u8(record.second) != normalised) return false;
  id = record.first;
  return true;
}

}  // namespace

template <typename WordlistSource, typename IndexSource>
LocatedAllWordlists<WordlistSource, IndexSource>::LocatedAllWordlists(
    const normalise::Normaliser& normaliser,
    std::map<Language, LocatedWordlist<WordlistSource>>&& wordlists,
    LocatedWordlistIndex<IndexSource>&& index)
    : normaliser(&normaliser),
      wordlists(std::move(wordlists)),
      index(std::make_unique<LocatedWordlistIndex<IndexSource>>(
          std::move(index))) {}

template <typename WordlistSource, typename IndexSource>
const Wordlist& LocatedAllWordlists<WordlistSource, IndexSource>::wordlist(
    Language language) const {
  return wordlists.at(language);
}

template <typename WordlistSource, typename IndexSource>
Optional<std::pair<Language, std::array<int, 3>>>
LocatedAllWordlists<WordlistSource, IndexSource>::decode(
    const std::array<std::u16string, 3>& words) const {
  std::array<std::u16string, 3> normalised;
  std::array<int, 3> offsets;
  Optional<Language> language;
  for (int i = 0; i < 3; ++i) {
    normalised[i] = normaliser->normalise_u16(words[i]);
    const auto guess = index->guess_language_and_offset(normalised[i]);
    if (!guess) return {};
    if (i == 0) {
      if (wordlists.find(guess->first) == wordlists.end()) return {};
      language = guess->first;
    } else if (guess->first != *language) {
      return {};
    }
    offsets[i] = guess->second;
  }
  const Wordlist& list = wordlist(*language);
  std::array<int, 3> ids;
  for (int i = 0; i < 3; ++i) {
    if (!confirm(*normaliser, list, offsets[i], normalised[i], ids[i])) {
      return {};
    }
  }
  return std::make_pair(*language, ids);
}

template <typename WordlistSource, typename IndexSource>
Optional<Language>
LocatedAllWordlists<WordlistSource, IndexSource>::find_language(
    const std::u16string& word) const {
  const std::u16string normalised = normaliser->normalise_u16(word);
  const auto guess = index->guess_language_and_offset(normalised);
  if (!guess) return {};
  const auto found = wordlists.find(guess->first);
  if (found == wordlists.end()) return {};
  int id;
  if (!confirm(*normaliser, found->second, guess->second, normalised, id)) {
    return {};
  }
  return guess->first;
}

template <typename WordlistSource, typename IndexSource>
std::set<Language>
LocatedAllWordlists<WordlistSource, IndexSource>::languages_used_in(
    const std::array<std::u16string, 3>& words) const {
  std::set<Language> languages;
  for (const std::u16string& word : words) {
    const Optional<Language> language = find_language(word);
    if (language) languages.insert(*language);
  }
  return languages;
}

template <typename WordlistSource, typename IndexSource>
Optional<int>
LocatedAllWordlists<WordlistSource, IndexSource>::id_of_exact_match(
    const std::u16string& word, Language language) const {
  const std::u16string normalised = normaliser->normalise_u16(word);
  const auto guess = index->guess_language_and_offset(normalised);
  // The index holds one language per normalised form, so a word found under
  // another language is not a word of this one.
  if (!guess || guess->first != language) return {};
  const auto found = wordlists.find(language);
  if (found == wordlists.end()) return {};
  int id;
  if (!confirm(*normaliser, found->second, guess->second, normalised, id)) {
    return {};
  }
  return id;
}

template class LocatedAllWordlists<data::OnDisk, data::OnDisk>;
template class LocatedAllWordlists<data::InMemory, data::InMemory>;

}  // namespace wordlist
}  // namespace tessera
