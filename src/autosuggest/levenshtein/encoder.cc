#include "autosuggest/levenshtein/encoder.h"

#include <cstddef>

#include "data/integrity.h"

namespace tessera {
namespace autosuggest {
namespace levenshtein {
namespace {

// The default code c + 1 must fit in a byte.
constexpr std::size_t kMaxCharacters = 254;

}  // namespace

std::map<char16_t, std::uint8_t> construct_encoding(
    const std::vector<char16_t>& characters) {
  std::map<char16_t, std::uint8_t> encoding;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    encoding[characters[i]] = static_cast<std::uint8_t>(i + 1);
  }
  return encoding;
}

Encoder::Encoder(const std::vector<char16_t>& characters)
    : default_code_(static_cast<std::uint8_t>(characters.size() + 1)) {
  if (characters.size() > kMaxCharacters) {
    data::integrity_failure("Too many encodable characters.");
  }
  encoding_ = construct_encoding(characters);
}

std::string Encoder::encode_normalised_string(
    const std::u16string& normalised) const {
  std::string codes(normalised.size(), static_cast<char>(default_code_));
  for (std::size_t i = 0; i < normalised.size(); ++i) {
    const auto found = encoding_.find(normalised[i]);
    if (found != encoding_.end()) codes[i] = static_cast<char>(found->second);
  }
  return codes;
}

}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera
