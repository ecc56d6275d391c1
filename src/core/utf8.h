// Decoding of UTF-8: the one place that knows which byte sequences are
// well-formed.
#ifndef TESSERA_CORE_UTF8_H_
#define TESSERA_CORE_UTF8_H_

#include <cstddef>
#include <string_view>

namespace tessera {
namespace core {

// Decodes the character that starts at s[*i], stores its code point in *c
// and moves *i past it. Returns false, changing neither, when no
// well-formed character starts there: a lead byte 0x80 to 0xC1 or 0xF5 to
// 0xFF, a continuation byte outside its range (which rules out overlong
// forms, surrogates and values above U+10FFFF), or a sequence cut short by
// the end of `s`. These are the well-formed sequences of the Unicode
// Standard. Requires: *i < s.size().
bool decode_utf8(std::string_view s, std::size_t* i, char32_t* c) noexcept;

}  // namespace core
}  // namespace tessera

#endif  // TESSERA_CORE_UTF8_H_
