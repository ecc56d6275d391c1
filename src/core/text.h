// Splitting texts into pieces, and the character classes of the C locale.
#ifndef TESSERA_CORE_TEXT_H_
#define TESSERA_CORE_TEXT_H_

#include <string>
#include <vector>

namespace tessera {
namespace core {

// The pieces of `s` between occurrences of `delimiter`, in order. Every
// delimiter ends a piece, so there is always one piece more than there are
// delimiters: "" gives {""}, and "a,b," split at ',' gives {"a", "b", ""}.
// Instantiated for char (std::string) and char16_t (std::u16string).
// Throws nothing but std::bad_alloc.
template <typename Char>
std::vector<std::basic_string<Char>> split(const std::basic_string<Char>& s,
                                           Char delimiter);

extern template std::vector<std::string> split<char>(const std::string&, char);
extern template std::vector<std::u16string> split<char16_t>(
    const std::u16string&, char16_t);

// True when `c` is one of the twelve full stops that may separate the words
// of an address: U+002E full stop, U+30FB katakana middle dot, U+3002
// ideographic full stop, U+0964 Devanagari danda, U+06D4 Arabic full stop,
// U+1362 Ethiopic full stop, U+0589 Armenian full stop, U+104B Myanmar
// section sign, U+17D4 Khmer khan, U+FF65 halfwidth katakana middle dot,
// U+FF61 halfwidth ideographic full stop and U+FE12 vertical ideographic
// full stop.
bool is_full_stop(char16_t c) noexcept;

// The pieces of `u` between full stops (is_full_stop), in order; one more
// piece than there are full stops, empty pieces kept: "a..b" gives
// {"a", "", "b"} and "" gives {""}. Throws nothing but std::bad_alloc.
std::vector<std::u16string> split_on_dots(const std::u16string& u);

// True when any byte of `s` is whitespace in the C locale: space, tab, line
// feed, vertical tab, form feed or carriage return.
bool contains_whitespace(const std::string& s) noexcept;

// isupper of the byte taken as unsigned, in the C locale, whatever locale
// the process has set: A to Z only.
constexpr bool is_uppercase_char(char c) noexcept {
  return c >= 'A' && c <= 'Z';
}

}  // namespace core
}  // namespace tessera

#endif  // TESSERA_CORE_TEXT_H_
