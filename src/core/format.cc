#include "core/format.h"

#include <cstdio>
#include <string>

namespace tessera {
namespace core {

std::string format_f(double value) {
  // The largest finite double prints as 309 integer digits, a point and six
  // decimals, plus a sign: 317 characters.
  char buffer[320];
  const int length = std::snprintf(buffer, sizeof buffer, "%f", value);
  return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace core
}  // namespace tessera
