// Checks on strings that callers pass to the engine: a length limit,
// UTF-8 well-formedness and control characters.
#ifndef TESSERA_CORE_STRING_CHECKS_H_
#define TESSERA_CORE_STRING_CHECKS_H_

#include <cstddef>
#include <string>

#include "tessera/error_descriptor.h"

namespace tessera {
namespace core {

// The longest string, in bytes, that the engine accepts from a caller.
constexpr std::size_t kMaxStringLength = 262144;

inline constexpr char kStringTooLongMessage[] =
    "An extremely long string has been passed as an argument to an SDK "
    "function.";
inline constexpr char kInvalidUtf8Message[] =
    "An invalid UTF-8 string has been passed as an argument to an SDK "
    "function.";

// Throws InvalidArgumentError with kStringTooLongMessage when `s` is longer
// than kMaxStringLength bytes; a string of exactly that length passes.
void assert_string_not_too_long(const std::string& s);

// Code 3 with kStringTooLongMessage when `s` is longer than kMaxStringLength
// bytes (checked first), else code 3 with kInvalidUtf8Message unless `s` is
// well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF, no truncated sequence), else code 0 with an empty message. The
// empty string is valid. Throws nothing but std::bad_alloc.
ErrorDescriptor validate_utf8_string(const std::string& s);

// True when any byte of `s` is a C-locale control character (0x00 to 0x1F,
// or 0x7F).
bool contains_controlchar(const std::string& s) noexcept;

}  // namespace core
}  // namespace tessera

#endif  // TESSERA_CORE_STRING_CHECKS_H_
