// Every answer of both engines on a fixed sample, written to a file, so that
// two builds can be compared bit for bit on any data set (the world's too,
// which the tests do not build): write a sheet with each build and compare
// the files.
#ifndef TESSERA_BENCHMARKS_ANSWER_SHEET_H_
#define TESSERA_BENCHMARKS_ANSWER_SHEET_H_

#include <string>
#include <vector>

#include "tessera/coordinates.h"
#include "tessera/language.h"

namespace tessera {
namespace bench {

// Writes to `path` one line per position of `positions`: the position, then
// per language of `languages` its address and the coordinates that address
// converts back to, then per language the nearest place, then the country;
// doubles in C's hexadecimal form, so that every bit shows. Both engines
// are loaded from `data_dir` and asked the same; where they disagree, the
// line is followed by the device engine's line marked "DEVICE DIFFERS".
//
// Returns the number of positions where the engines disagree. Throws
// std::runtime_error when the file cannot be written, and what the engines
// throw.
int write_answer_sheet(const std::string& path, const std::string& data_dir,
                       const std::vector<Language>& languages,
                       const std::vector<Coordinates>& positions);

}  // namespace bench
}  // namespace tessera

#endif  // TESSERA_BENCHMARKS_ANSWER_SHEET_H_
