// A language's autosuggest data held in memory: the search table of the
// similar-word search, its character encoding and near-miss pairs, and the
// rings of related words.
#ifndef TESSERA_AUTOSUGGEST_AUTOSUGGEST_DATA_H_
#define TESSERA_AUTOSUGGEST_AUTOSUGGEST_DATA_H_

#include <cstdint>
#include <memory>
#include <vector>

#include "data/in_memory.h"
#include "data/little_endian.h"

namespace tessera {
namespace autosuggest {

// Two codes that the search treats as a near-miss: the code on the
// dictionary side, then the code on the query side.
struct SimilarPair {
  std::uint8_t dictionary;
  std::uint8_t query;
};

// The search table of a checked AutosuggestData, as the similar-word scan
// walks it. Entry k has word number word_no(k), shares shared_prefix(k)
// codes with entry k - 1 and is length(k) codes long; the codes of all
// entries follow each other from codes(), in entry order.
//
// Everything here was checked when the data was read: every length is 1 to
// 31, every shared prefix is at most the length of both neighbours and is
// truly shared, every code is 1 to c + 1 for c encodable characters, every
// word number lies inside the related-words map, and all bytes lie inside
// the file. Valid while its AutosuggestData lives.
class LevenshteinTable {
 public:
  std::uint32_t entry_count() const noexcept { return entry_count_; }
  std::uint16_t word_no(std::uint32_t k) const noexcept {
    return data::decode_u16(word_numbers_ + 2 * std::size_t{k});
  }
  std::uint8_t shared_prefix(std::uint32_t k) const noexcept {
    return shared_prefixes_[k];
  }
  std::uint8_t length(std::uint32_t k) const noexcept { return lengths_[k]; }
  const std::uint8_t* codes() const noexcept { return codes_; }

 private:
  friend class AutosuggestData;

  std::uint32_t entry_count_ = 0;
  const std::uint8_t* word_numbers_ = nullptr;
  const std::uint8_t* shared_prefixes_ = nullptr;
  const std::uint8_t* lengths_ = nullptr;
  const std::uint8_t* codes_ = nullptr;
};

// Immutable after construction; any number of threads may read it.
class AutosuggestData {
 public:
  // Takes over the encodable characters (the one at position i has code
  // i + 1), the near-miss pairs and the whole framed file, and checks the
  // file completely, so that the search and the walks along rings of related
  // words can trust it.
  //
  // Throws FileError with an integrity-failure message when:
  // - there are 127 or more characters ("Wordlist invalid (too many
  //   encodable characters)");
  // - a pair holds a code outside 1 ... c + 1;
  // - the length field does not match the file's size, or a count or offset
  //   of the header points outside the file;
  // - the related-words map names a word outside itself, or its rings do not
  //   all return to their start (two entries name the same word);
  // - the search table has more than 1,048,576 entries ("Wordlist invalid
  //   (too many encoded words)"), does not fit in the file, or holds an
  //   entry of length 0 or above 31, a code outside 1 ... c + 1, a shared
  //   prefix longer than either neighbour or not truly shared, or a word
  //   number outside the related-words map.
  AutosuggestData(std::vector<char16_t>&& characters,
                  std::vector<SimilarPair>&& pairs,
                  data::InMemory&& file);

  AutosuggestData(const AutosuggestData&) = delete;
  AutosuggestData& operator=(const AutosuggestData&) = delete;

  const std::vector<char16_t>& encodable_characters() const noexcept {
    return characters_;
  }
  const std::vector<SimilarPair>& similar_pairs() const noexcept {
    return pairs_;
  }

  // The number of entries of the related-words map.
  std::uint32_t related_ids_cyclic_map_size() const noexcept {
    return related_map_size_;
  }

  // The next word in the ring of related words of word `k`; `k` itself when
  // it has no related words. Throws FileError with an integrity-failure
  // message when `k` lies outside the map.
  int related_word(int k) const;

  // The first byte of the Levenshtein section.
  const std::uint8_t* start_of_levenshtein_data() const noexcept;

  const LevenshteinTable& levenshtein_table() const noexcept { return table_; }

 private:
  const std::uint8_t* bytes() const noexcept;
  void check_related_map();
  void check_levenshtein_section();

  data::InMemory file_;
  std::vector<char16_t> characters_;
  std::vector<SimilarPair> pairs_;
  std::uint32_t related_map_size_ = 0;
  std::uint32_t levenshtein_offset_ = 0;
  LevenshteinTable table_;
};

// Reads the autosuggest data of one language from the whole framed
// ".autosuggest" file, taken over.
//
// Throws FileError with an integrity-failure message when the encoding
// section lies outside the file or holds more characters or pairs than fit
// in it, and what the AutosuggestData constructor throws.
std::unique_ptr<const AutosuggestData> read_autosuggest_data(
    data::InMemory&& file);

}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_AUTOSUGGEST_DATA_H_
