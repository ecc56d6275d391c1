#include "mkdata/find_nearest_place/syntax_writer.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "find_nearest_place/places_format.h"
#include "mkdata/byte_writer.h"
#include "tessera/language.h"

namespace tessera {
namespace mkdata {

std::vector<std::uint8_t> syntax_file(const std::vector<JoiningRule>& rules) {
  ByteWriter body;
  body.i32(static_cast<std::int32_t>(rules.size()));
  for (const JoiningRule& rule : rules) {
    if (rule.language_code.size() != 2 ||
        Language::is_valid(rule.language_code).code != 0) {
      throw std::invalid_argument("\"" + rule.language_code +
                                  "\" is not a two-letter language code");
    }
    if (rule.flags > find_nearest_place::kRuleFlagMask) {
      throw std::invalid_argument("joining flags " +
                                  std::to_string(rule.flags) + " are above 7");
    }
    body.text(rule.language_code);
    body.u16(rule.flags);
  }
  return frame(body.bytes());
}

}  // namespace mkdata
}  // namespace tessera
