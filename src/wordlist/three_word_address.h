// A three-word address: its words, their printed form, and how caller text
// is taken apart into three candidate words.
#ifndef TESSERA_WORDLIST_THREE_WORD_ADDRESS_H_
#define TESSERA_WORDLIST_THREE_WORD_ADDRESS_H_

#include <array>
#include <string>

#include "tessera/language.h"
#include "tessera/optional.h"

namespace tessera {
namespace wordlist {

// A language and three words in UTF-8, in address order, exactly as the
// wordlist stores them. A plain value: copyable, movable.
struct ThreeWordAddress {
  Language language;
  std::array<std::string, 3> words;

  // The printed address: the words joined by "。" (U+3002) for Japanese
  // ("ja") and by "." for every other language.
  operator std::string() const;
};

bool operator==(const ThreeWordAddress& a, const ThreeWordAddress& b);
bool operator!=(const ThreeWordAddress& a, const ThreeWordAddress& b);

// The three pieces of `text` between full stops (core::split_on_dots) in
// UTF-16, or empty when `text` holds a control character (C locale, bytes
// 0x00 to 0x1F and 0x7F) or does not split into exactly three pieces.
// Pieces are kept as they are: not trimmed, not folded, possibly empty,
// spaces kept.
//
// Throws InvalidArgumentError "An extremely long string has been passed as
// an argument to an SDK function." when `text` is longer than 262,144 bytes
// (checked first), and "An invalid UTF-8 string has been passed as an
// argument to an SDK function." when it is not well-formed UTF-8.
Optional<std::array<std::u16string, 3>> parse_three_words(
    const std::string& text);

}  // namespace wordlist
}  // namespace tessera

#endif  // TESSERA_WORDLIST_THREE_WORD_ADDRESS_H_
