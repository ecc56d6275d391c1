#include "tessera/language.h"

#include <set>
#include <string>

#include "core/string_checks.h"
#include "tessera/error_descriptor.h"

namespace tessera {
namespace {

// The ISO 639-1 codes the engine knows. Built on first use, under the
// runtime's thread-safe static initialisation, and never changed.
const std::set<std::string>& known_codes() {
  static const std::set<std::string> codes = {
      "aa", "ab", "ae", "af", "ak", "am", "an", "ar", "as", "av", "ay", "az",
      "ba", "be", "bg", "bh", "bi", "bm", "bn", "bo", "br", "bs", "ca", "ce",
      "ch", "co", "cr", "cs", "cu", "cv", "cy", "da", "de", "dv", "dz", "ee",
      "el", "en", "eo", "es", "et", "eu", "fa", "ff", "fi", "fj", "fo", "fr",
      "fy", "ga", "gd", "gl", "gn", "gu", "gv", "ha", "he", "hi", "ho", "hr",
      "ht", "hu", "hy", "hz", "ia", "id", "ie", "ig", "ii", "ik", "io", "is",
      "it", "iu", "ja", "jv", "ka", "kg", "ki", "kj", "kk", "kl", "km", "kn",
      "ko", "kr", "ks", "ku", "kv", "kw", "ky", "la", "lb", "lg", "li", "ln",
      "lo", "lt", "lu", "lv", "mg", "mh", "mi", "mk", "ml", "mn", "mr", "ms",
      "mt", "my", "na", "nb", "nd", "ne", "ng", "nl", "nn", "no", "nr", "nv",
      "ny", "oc", "oj", "om", "or", "os", "pa", "pi", "pl", "ps", "pt", "qu",
      "rm", "rn", "ro", "ru", "rw", "sa", "sc", "sd", "se", "sg", "si", "sk",
      "sl", "sm", "sn", "so", "sq", "sr", "ss", "st", "su", "sv", "sw", "ta",
      "te", "tg", "th", "ti", "tk", "tl", "tn", "to", "tr", "ts", "tt", "tw",
      "ty", "ug", "uk", "ur", "uz", "ve", "vi", "vo", "wa", "wo", "xh", "yi",
      "yo", "za", "zh", "zu"};
  return codes;
}

// islower in the C locale, whatever locale the process has set.
bool is_lowercase_char(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

Language::Language(const std::string& code) : code(code) {
  assert_error_descriptor(is_valid(this->code));
}

ErrorDescriptor Language::is_valid(const std::string& code) {
  if (code.size() > core::kMaxStringLength) {
    return {3, core::kStringTooLongMessage};
  }
  for (const char c : code) {
    if (!is_lowercase_char(c)) {
      return {3, "'" + code +
                     "' is not in the correct format for a ISO 639-1 language "
                     "code. ISO 639-1 language codes should only contain "
                     "lowercase characters. "};
    }
  }
  if (known_codes().count(code) == 0) {
    return {3, "'" + code + "' is not a ISO 639-1 language code."};
  }
  return {0, ""};
}

bool operator<(const Language& a, const Language& b) { return a.code < b.code; }

bool operator==(const Language& a, const Language& b) {
  return a.code == b.code;
}

bool operator!=(const Language& a, const Language& b) {
  return a.code != b.code;
}

}  // namespace tessera
