// Everything an engine says about one position, as one line of text, so that
// two runs or two engines can be compared answer for answer.
#ifndef TESSERA_TESTS_TESTING_ANSWER_LINE_H_
#define TESSERA_TESTS_TESTING_ANSWER_LINE_H_

#include <string>
#include <vector>

#include "tessera/coordinates.h"
#include "tessera/engine.h"
#include "tessera/language.h"

namespace tessera {
namespace test {

// The position, then per language of `languages` its address and where that
// address leads back to, then per language the nearest place, then the
// country; "|" between the parts, "-" for no answer, and doubles in C's
// hexadecimal form, which names every bit.
std::string answer_line(const Engine& engine,
                        const std::vector<Language>& languages,
                        const Coordinates& p);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TESTING_ANSWER_LINE_H_
