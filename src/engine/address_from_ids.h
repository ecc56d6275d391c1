// The address that three word numbers name in one wordlist.
#ifndef TESSERA_ENGINE_ADDRESS_FROM_IDS_H_
#define TESSERA_ENGINE_ADDRESS_FROM_IDS_H_

#include <array>

#include "wordlist/three_word_address.h"
#include "wordlist/wordlist.h"

namespace tessera {
namespace engine {

// The address in `wordlist`'s language whose words are word_no(ids[k]) for
// k = 0, 1, 2. Throws what Wordlist::word_no throws (FileError for a number
// outside the wordlist or corrupt data).
wordlist::ThreeWordAddress address_from_ids(const wordlist::Wordlist& wordlist,
                                            std::array<int, 3> ids);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_ADDRESS_FROM_IDS_H_
