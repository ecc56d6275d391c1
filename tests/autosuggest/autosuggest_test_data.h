// Small autosuggest data sets for the tests: made by the data builder from
// a word list, or from the literal bytes of a hand-made file.
#ifndef TESSERA_TESTS_AUTOSUGGEST_AUTOSUGGEST_TEST_DATA_H_
#define TESSERA_TESTS_AUTOSUGGEST_AUTOSUGGEST_TEST_DATA_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_data.h"
#include "mkdata/autosuggest/autosuggest_writer.h"

namespace tessera {
namespace test {

// The data the builder writes for `words` (word i has number i, words given
// in UTF-8 and already normalised), `related_groups` and `pairs`.
std::unique_ptr<const autosuggest::AutosuggestData> built_autosuggest_data(
    const std::vector<std::string>& words,
    const std::vector<std::vector<int>>& related_groups = {},
    const std::vector<mkdata::SimilarCharacterPair>& pairs = {});

// A hand-made file of 58 bytes: encodable characters 'a' (code 1) and 'b'
// (code 2); one pair, 'a' in the dictionary for 'b' in the query; the
// related-words map 0 -> 1 -> 0, 2 -> 2; and the search table
//   word 0 "ab" (codes 1 2), word 1 "abb" (1 2 2, sharing 2 codes),
//   word 2 (code 3, a character outside the list).
// The offsets of its fields are listed in kLiteral... below.
std::vector<std::uint8_t> literal_autosuggest_file();

// Offsets of fields of literal_autosuggest_file().
constexpr std::size_t kLiteralRelatedMap = 16;
constexpr std::size_t kLiteralEncoding = 22;
constexpr std::size_t kLiteralPairs = 30;
constexpr std::size_t kLiteralLevenshtein = 36;
constexpr std::size_t kLiteralWordNumbers = 40;
constexpr std::size_t kLiteralSharedPrefixes = 46;
constexpr std::size_t kLiteralLengths = 49;
constexpr std::size_t kLiteralCodes = 52;

// `bytes` as the in-memory data source the reader takes.
data::InMemory in_memory(const std::vector<std::uint8_t>& bytes);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_AUTOSUGGEST_AUTOSUGGEST_TEST_DATA_H_
