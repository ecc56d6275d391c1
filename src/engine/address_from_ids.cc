#include "engine/address_from_ids.h"

#include <array>

namespace tessera {
namespace engine {

wordlist::ThreeWordAddress address_from_ids(const wordlist::Wordlist& wordlist,
                                            std::array<int, 3> ids) {
  return wordlist::ThreeWordAddress{
      wordlist.language(),
      {wordlist.word_no(ids[0]), wordlist.word_no(ids[1]),
       wordlist.word_no(ids[2])}};
}

}  // namespace engine
}  // namespace tessera
