// The text files of the data directory, shared by their readers and the
// data builder's writer.
//
// "data_format_version.txt"  the data-format version, compared byte for
//                            byte with the version the engine reads (no
//                            trimming: "10\n" is not "10")
// "language_codes.txt"       one language code per line, lines ending at
//                            "\n" only; empty lines are skipped
// "version.txt"              the data version: its first whitespace-
//                            delimited word
#ifndef TESSERA_DATA_TEXT_FILES_FORMAT_H_
#define TESSERA_DATA_TEXT_FILES_FORMAT_H_

#include <cstddef>

namespace tessera {
namespace data {

inline constexpr char kDataFormatVersionFileName[] = "data_format_version.txt";
inline constexpr char kLanguageCodesFileName[] = "language_codes.txt";
inline constexpr char kDataVersionFileName[] = "version.txt";

// No text file of a data directory is larger; a larger one is not read.
inline constexpr std::size_t kMaxTextFileSize = 1 << 20;

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_TEXT_FILES_FORMAT_H_
