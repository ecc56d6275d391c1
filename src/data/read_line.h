// Reading a delimited text, such as a NUL-terminated word, through a view.
#ifndef TESSERA_DATA_READ_LINE_H_
#define TESSERA_DATA_READ_LINE_H_

#include <cstdint>
#include <string>

#include "data/integrity.h"

namespace tessera {
namespace data {

// The bytes from the view's current position up to the first `delimiter`
// byte. The delimiter is consumed and not returned. `View` is
// InMemory::View or OnDisk::View.
//
// Throws FileError when the data ends before a delimiter; nothing past the
// end of the data is read.
template <typename View>
std::string read_line(View& view, char delimiter) {
  const std::int64_t start = view.position();
  std::string line;
  while (true) {
    if (view.position() >= view.size()) {
      integrity_failure("the text at offset " + std::to_string(start) +
                        " is not terminated before the end of the data");
    }
    const char byte = static_cast<char>(view.read_u8());
    if (byte == delimiter) return line;
    line.push_back(byte);
  }
}

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_READ_LINE_H_
