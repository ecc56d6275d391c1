#include "core/text.h"

#include <string>
#include <utility>
#include <vector>

namespace tessera {
namespace core {

template <typename Char>
std::vector<std::basic_string<Char>> split(const std::basic_string<Char>& s,
                                           Char delimiter) {
  std::vector<std::basic_string<Char>> pieces;
  std::basic_string<Char> piece;
  for (const Char c : s) {
    if (c == delimiter) {
      pieces.push_back(std::move(piece));
      piece.clear();
    } else {
      piece.push_back(c);
    }
  }
  pieces.push_back(std::move(piece));
  return pieces;
}

template std::vector<std::string> split<char>(const std::string&, char);
template std::vector<std::u16string> split<char16_t>(const std::u16string&,
                                                     char16_t);

bool is_full_stop(char16_t c) noexcept {
  switch (c) {
    case u'\u002E':
    case u'\u30FB':
    case u'\u3002':
    case u'\u0964':
    case u'\u06D4':
    case u'\u1362':
    case u'\u0589':
    case u'\u104B':
    case u'\u17D4':
    case u'\uFF65':
    case u'\uFF61':
    case u'\uFE12':
      return true;
    default:
      return false;
  }
}

std::vector<std::u16string> split_on_dots(const std::u16string& u) {
  std::vector<std::u16string> pieces;
  std::u16string::size_type start = 0;
  for (std::u16string::size_type i = 0; i < u.size(); ++i) {
    if (is_full_stop(u[i])) {
      pieces.push_back(u.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.push_back(u.substr(start));
  return pieces;
}

bool contains_whitespace(const std::string& s) noexcept {
  for (const char c : s) {
    // Only the six C-locale whitespace bytes, whatever locale is set.
    switch (c) {
      case ' ':
      case '\t':
      case '\n':
      case '\v':
      case '\f':
      case '\r':
        return true;
      default:
        break;
    }
  }
  return false;
}

}  // namespace core
}  // namespace tessera
