#include "mkdata/world/word_case.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <cstdint>
#include <stdexcept>

namespace tessera {
namespace mkdata {

std::string lower_case(std::string_view utf8) {
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  // fromUTF8 replaces ill-formed bytes with U+FFFD.
  if (text.indexOf(static_cast<UChar>(0xFFFD)) >= 0) return "";
  text.toLower(icu::Locale::getRoot());
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU failed to load NFC data: ") +
                             u_errorName(status));
  }
  const icu::UnicodeString composed = nfc->normalize(text, status);
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU failed to compose a word: ") +
                             u_errorName(status));
  }
  std::string out;
  composed.toUTF8String(out);
  return out;
}

bool is_capitalised_word(std::string_view utf8) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const auto length = static_cast<int32_t>(utf8.size());
  int32_t i = 0;
  int32_t letters = 0;
  while (i < length) {
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) return false;
    const bool ok = letters == 0 ? (u_isupper(c) || u_istitle(c))
                                 : (u_isalpha(c) && u_islower(c));
    if (!ok) return false;
    ++letters;
  }
  return letters >= 2;
}

}  // namespace mkdata
}  // namespace tessera
