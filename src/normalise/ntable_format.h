// Layout of the normalisation table, "normalisation/ntable.data", shared by
// its reader and the data builder's writer.
//
// The file has no length word and no header: it is read from its first
// byte. It holds kEntryCount entries, one for each UTF-16 code unit 0x0000
// ... 0xFFFF in ascending order. An entry is the replacement's code units,
// each a little-endian u16, followed by the code unit kTerminator; an entry
// of the terminator alone deletes its code unit. Nothing after the last
// entry is read.
#ifndef TESSERA_NORMALISE_NTABLE_FORMAT_H_
#define TESSERA_NORMALISE_NTABLE_FORMAT_H_

#include <cstddef>

namespace tessera {
namespace normalise {

inline constexpr char kNtableFileName[] = "normalisation/ntable.data";

constexpr std::size_t kEntryCount = 65536;
constexpr char16_t kTerminator = 0;

}  // namespace normalise
}  // namespace tessera

#endif  // TESSERA_NORMALISE_NTABLE_FORMAT_H_
