// Letter case of the words the world languages' sources give: their counts
// keep names and German nouns capitalised, and addresses are written in
// lower case.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORD_CASE_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORD_CASE_H_

#include <string>
#include <string_view>

namespace tessera {
namespace mkdata {

// `utf8` in lower case by Unicode's rules without language tailoring
// ("Äpfel" gives "äpfel", "ŁÓDŹ" "łódź"), composed to NFC. Text that is not
// well-formed UTF-8 gives "". Throws std::runtime_error when ICU fails.
std::string lower_case(std::string_view utf8);

// True when `utf8` is an upper-case (or title-case) letter followed by one
// or more letters, all lower case: "Haus", "Äpfel"; not "haus", "NATO",
// "McDonald", "3D-Film" or "H". Not well-formed UTF-8 gives false.
bool is_capitalised_word(std::string_view utf8);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORD_CASE_H_
