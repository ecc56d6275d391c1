#include "autosuggest/fake_wordlists.h"

#include <stdexcept>

#include "core/utf16.h"

namespace tessera {
namespace test {

normalise::Normaliser ascii_normaliser() {
  std::vector<std::u16string> table(65536);
  for (std::size_t c = 0; c < table.size(); ++c) {
    table[c] = std::u16string(1, static_cast<char16_t>(c));
  }
  for (char16_t c = u'A'; c <= u'Z'; ++c) {
    table[c] = std::u16string(1, static_cast<char16_t>(c - u'A' + u'a'));
  }
  table[u'\''].clear();
  return normalise::Normaliser(std::move(table));
}

FakeWordlists::FakeWordlists(std::map<Language, std::vector<std::string>> words)
    : normaliser_(ascii_normaliser()) {
  for (const auto& entry : words) {
    for (const std::string& word : entry.second) {
      words_[entry.first].push_back(normaliser_.normalise_u8(word));
    }
  }
}

const wordlist::Wordlist& FakeWordlists::wordlist(Language) const {
  throw std::out_of_range("map::at");
}

Optional<std::pair<Language, std::array<int, 3>>> FakeWordlists::decode(
    const std::array<std::u16string, 3>& words) const {
  for (const auto& entry : words_) {
    std::array<int, 3> ids{};
    bool all = true;
    for (int i = 0; i < 3 && all; ++i) {
      const Optional<int> id = id_of_exact_match(words[i], entry.first);
      if (id) {
        ids[i] = *id;
      } else {
        all = false;
      }
    }
    if (all) return std::make_pair(entry.first, ids);
  }
  return {};
}

Optional<Language> FakeWordlists::find_language(
    const std::u16string& word) const {
  for (const auto& entry : words_) {
    if (id_of_exact_match(word, entry.first)) return entry.first;
  }
  return {};
}

std::set<Language> FakeWordlists::languages_used_in(
    const std::array<std::u16string, 3>& words) const {
  std::set<Language> languages;
  for (const std::u16string& word : words) {
    if (Optional<Language> language = find_language(word)) {
      languages.insert(*language);
    }
  }
  return languages;
}

Optional<int> FakeWordlists::id_of_exact_match(const std::u16string& word,
                                               Language language) const {
  const auto found = words_.find(language);
  if (found == words_.end()) return {};
  const std::u16string normalised = normaliser_.normalise_u16(word);
  for (std::size_t i = 0; i < found->second.size(); ++i) {
    if (found->second[i] == normalised) return static_cast<int>(i);
  }
  return {};
}

}  // namespace test
}  // namespace tessera
