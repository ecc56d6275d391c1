#include "autosuggest/autosuggest_test_data.h"

#include "core/utf16.h"

namespace tessera {
namespace test {

std::unique_ptr<const autosuggest::AutosuggestData> built_autosuggest_data(
    const std::vector<std::string>& words,
    const std::vector<std::vector<int>>& related_groups,
    const std::vector<mkdata::SimilarCharacterPair>& pairs) {
  std::vector<std::u16string> u16_words;
  for (const std::string& word : words) {
    u16_words.push_back(core::to_u16string(word));
  }
  return autosuggest::read_autosuggest_data(in_memory(
      mkdata::build_autosuggest_file(u16_words, related_groups, pairs)));
}

std::vector<std::uint8_t> literal_autosuggest_file() {
  return {
      58,  0, 0,   0,        // 0: length
      36,  0, 0,   0,        // 4: Levenshtein section
      22,  0, 0,   0,        // 8: encoding section
      3,   0, 0,   0,        // 12: related-words map size
      1,   0, 0,   0, 2, 0,  // 16: map 0 -> 1, 1 -> 0, 2 -> 2
      2,   0, 0,   0,        // 22: two characters
      'a', 0, 'b', 0,        // 26
      1,   0, 0,   0,        // 30: one pair
      1,   2,                // 34: 'a' in the dictionary for 'b'
      3,   0, 0,   0,        // 36: three entries
      0,   0, 1,   0, 2, 0,  // 40: word numbers
      0,   2, 0,             // 46: shared prefixes
      2,   3, 1,             // 49: lengths
      1,   2, 1,   2, 2, 3,  // 52: codes
  };
}

data::InMemory in_memory(const std::vector<std::uint8_t>& bytes) {
  return data::InMemory(std::vector<char>(bytes.begin(), bytes.end()));
}

}  // namespace test
}  // namespace tessera
