// The mapping that brings typed and stored words to one comparable form.
#ifndef TESSERA_NORMALISE_NORMALISER_H_
#define TESSERA_NORMALISE_NORMALISER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/file_bytes.h"

namespace tessera {
namespace normalise {

// Replaces every UTF-16 code unit of a text by its entry in a table of
// 65,536 replacements. What the table does (case, accents, width, deleted
// characters) is the data's business. Precomposed Hangul syllables (U+AC00
// ... U+D7A3) are first split into their conjoining letters, each of which
// is then mapped, so a syllable and its letters normalise alike. Surrogate
// pairs are mapped as two code units. The mapping is applied once, not
// repeated on its output. Immutable; any number of threads may use it.
//
// The replacements are held end to end in one string, with where each
// starts: about 400 KB for a full table, where a string per entry would
// take 2 MB.
class Normaliser {
 public:
  // Entry k of `table` is the replacement of code unit k. Throws
  // InvalidArgumentError unless it has exactly 65,536 entries.
  explicit Normaliser(const std::vector<std::u16string>& table);

  // The mapped form of `s`; "" gives "". Throws nothing but std::bad_alloc.
  std::u16string normalise_u16(const std::u16string& s) const;

  // normalise_u16 of the UTF-16 form of `s`. Throws std::range_error
  // "wstring_convert::from_bytes" when `s` is not well-formed UTF-8.
  std::u16string normalise_u8(const std::string& s) const;

 private:
  friend Normaliser read_normaliser(const data::FileBytes& file);

  Normaliser() = default;

  std::u16string_view replacement(char16_t c) const noexcept {
    const std::uint32_t start = starts_[c];
    return std::u16string_view(units_.data() + start, starts_[c + 1] - start);
  }

  // The replacement of code unit k is units_[starts_[k] ... starts_[k + 1]);
  // starts_ has 65,537 entries.
  std::vector<std::uint32_t> starts_;
  std::u16string units_;
};

// Reads a normalisation table from the bytes of "ntable.data" (which has no
// length word). Throws FileError with an integrity-failure message naming
// the file when it ends before all 65,536 entries have been read with their
// terminators. Bytes after the last entry are not read.
Normaliser read_normaliser(const data::FileBytes& file);

}  // namespace normalise
}  // namespace tessera

#endif  // TESSERA_NORMALISE_NORMALISER_H_
