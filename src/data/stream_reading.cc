#include "data/stream_reading.h"

#include <sstream>

namespace tessera {
namespace data {

std::string read_entire_file(std::istream&& in) {
  std::ostringstream content;
  // Inserting a stream buffer with nothing left fails the string stream but
  // leaves it empty, which is the answer.
  if (in.rdbuf() != nullptr) content << in.rdbuf();
  return content.str();
}

}  // namespace data
}  // namespace tessera
