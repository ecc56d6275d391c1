#include "wordlist/three_word_address.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/string_checks.h"
#include "core/text.h"
#include "core/utf16.h"
#include "tessera/error_descriptor.h"

namespace tessera {
namespace wordlist {

ThreeWordAddress::operator std::string() const {
  // U+3002 ideographic full stop for Japanese.
  const std::string_view separator =
      language.code == "ja" ? "\xE3\x80\x82" : ".";
  // Built in place: one allocation for the whole text.
  std::string text;
  text.reserve(words[0].size() + words[1].size() + words[2].size() +
               2 * separator.size());
  text.append(words[0]).append(separator).append(words[1]);
  text.append(separator).append(words[2]);
  return text;
}

bool operator==(const ThreeWordAddress& a, const ThreeWordAddress& b) {
  return a.language == b.language && a.words == b.words;
}

bool operator!=(const ThreeWordAddress& a, const ThreeWordAddress& b) {
  return !(a == b);
}

Optional<std::array<std::u16string, 3>> parse_three_words(
    const std::string& text) {
  core::assert_string_not_too_long(text);
  assert_error_descriptor(core::validate_utf8_string(text));
  if (core::contains_controlchar(text)) return {};
  std::vector<std::u16string> pieces =
      core::split_on_dots(core::to_u16string(text));
  if (pieces.size() != 3) return {};
  return std::array<std::u16string, 3>{
      std::move(pieces[0]), std::move(pieces[1]), std::move(pieces[2])};
}

}  // namespace wordlist
}  // namespace tessera
