// The mapping from UTF-16 code units to the one-byte codes of the
// similar-word search.
#ifndef TESSERA_AUTOSUGGEST_LEVENSHTEIN_ENCODER_H_
#define TESSERA_AUTOSUGGEST_LEVENSHTEIN_ENCODER_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tessera {
namespace autosuggest {
namespace levenshtein {

// Maps character i of `characters` (from 0) to the code i + 1; a character
// listed twice keeps the code of its last position.
std::map<char16_t, std::uint8_t> construct_encoding(
    const std::vector<char16_t>& characters);

// Immutable; any number of threads may use it.
class Encoder {
 public:
  // Codes the c characters of `characters` as construct_encoding does, and
  // every other character as c + 1. Throws FileError with an
  // integrity-failure message ("Too many encodable characters.") when c + 1
  // does not fit in a byte.
  explicit Encoder(const std::vector<char16_t>& characters);

  // One code per code unit of `normalised`, in order.
  std::string encode_normalised_string(const std::u16string& normalised) const;

  std::uint8_t default_code() const noexcept { return default_code_; }

 private:
  std::map<char16_t, std::uint8_t> encoding_;
  std::uint8_t default_code_;
};

}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_LEVENSHTEIN_ENCODER_H_
