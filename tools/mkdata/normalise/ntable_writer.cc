#include "mkdata/normalise/ntable_writer.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkdata/byte_writer.h"
#include "normalise/ntable_format.h"

namespace tessera {
namespace mkdata {
namespace {

void check(UErrorCode status, const char* what) {
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU failed in ") + what + ": " +
                             u_errorName(status));
  }
}

bool maps_to_itself(UChar32 c) {
  const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
  const bool hangul_syllable = c >= 0xAC00 && c <= 0xD7A3;
  const bool conjoining_letter = (c >= 0x1100 && c <= 0x11FF) ||
                                 (c >= 0xA960 && c <= 0xA97F) ||
                                 (c >= 0xD7B0 && c <= 0xD7FF);
  return surrogate || hangul_syllable || conjoining_letter ||
         u_charType(c) == U_UNASSIGNED ||
         u_hasBinaryProperty(c, UCHAR_NONCHARACTER_CODE_POINT);
}

bool is_width_variant(UChar32 c) {
  const int type = u_getIntPropertyValue(c, UCHAR_DECOMPOSITION_TYPE);
  return type == U_DT_WIDE || type == U_DT_NARROW;
}

// A shared accent: a non-spacing mark of no script of its own, other than
// the kana voicing marks.
bool is_accent(UChar32 c) {
  if (c == 0x3099 || c == 0x309A) return false;
  if (u_charType(c) != U_NON_SPACING_MARK) return false;
  UErrorCode status = U_ZERO_ERROR;
  const UScriptCode script = uscript_getScript(c, &status);
  check(status, "uscript_getScript");
  return script == USCRIPT_INHERITED;
}

std::u16string fold(UChar32 c, const icu::Normalizer2& nfd,
                    const icu::Normalizer2& nfkd) {
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString text(c);
  if (is_width_variant(c)) {
    text = nfkd.normalize(text, status);
    check(status, "NFKD");
  }
  text.foldCase(U_FOLD_CASE_DEFAULT);
  text = nfd.normalize(text, status);
  check(status, "NFD");
  std::u16string out;
  for (int32_t i = 0; i < text.length();) {
    const UChar32 code_point = text.char32At(i);
    const int32_t units = U16_LENGTH(code_point);
    if (!is_accent(code_point)) {
      for (int32_t k = 0; k < units; ++k) out.push_back(text.charAt(i + k));
    }
    i += units;
  }
  return out;
}

}  // namespace

std::vector<std::u16string> normalisation_table() {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  check(status, "getNFDInstance");
  const icu::Normalizer2* nfkd = icu::Normalizer2::getNFKDInstance(status);
  check(status, "getNFKDInstance");

  std::vector<std::u16string> table;
  table.reserve(normalise::kEntryCount);
  for (UChar32 c = 0; c < static_cast<UChar32>(normalise::kEntryCount); ++c) {
    // The file cannot hold the code unit 0 inside an entry, so U+0000 is
    // deleted like the apostrophes.
    if (c == 0x0000 || c == 0x0027 || c == 0x2019) {
      table.emplace_back();
    } else if (maps_to_itself(c)) {
      table.emplace_back(1, static_cast<char16_t>(c));
    } else {
      table.push_back(fold(c, *nfd, *nfkd));
    }
  }
  return table;
}

std::vector<std::uint8_t> ntable_bytes(
    const std::vector<std::u16string>& table) {
  if (table.size() != normalise::kEntryCount) {
    throw std::invalid_argument(
        "a normalisation table has 65536 entries, not " +
        std::to_string(table.size()));
  }
  ByteWriter out;
  for (std::size_t c = 0; c < table.size(); ++c) {
    for (const char16_t unit : table[c]) {
      if (unit == normalise::kTerminator) {
        throw std::invalid_argument("entry " + std::to_string(c) +
                                    " of the normalisation table holds a 0");
      }
      out.u16(unit);
    }
    out.u16(normalise::kTerminator);
  }
  return out.release();
}

}  // namespace mkdata
}  // namespace tessera
