// Conversion between UTF-8 and UTF-16 text.
#ifndef TESSERA_CORE_UTF16_H_
#define TESSERA_CORE_UTF16_H_

#include <string>

namespace tessera {
namespace core {

// The UTF-16 form of the UTF-8 text `s`; characters above U+FFFF become
// surrogate pairs. The empty string gives the empty string.
//
// Throws std::range_error with "wstring_convert::from_bytes" unless `s` is
// well-formed UTF-8: no overlong forms, no encoded surrogates, nothing above
// U+10FFFF, no stray continuation byte and no truncated sequence (the rules
// of validate_utf8_string, without its length limit). Thread-safe.
std::u16string to_u16string(const std::string& s);

// The UTF-8 form of the UTF-16 text `s`, a surrogate pair giving one
// four-byte character.
//
// Throws std::range_error with "wstring_convert::to_bytes" when `s` holds
// an unpaired surrogate. Thread-safe.
std::string to_utf8(const std::u16string& s);

}  // namespace core
}  // namespace tessera

#endif  // TESSERA_CORE_UTF16_H_
