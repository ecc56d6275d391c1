// A record of many answer lines (see answer_line.h) small enough to keep in
// the source tree: a hash of each block of lines and some lines verbatim, so
// that a later run shows which block of positions moved and, often, which
// answer.
//
// The file is text, one entry a line; lines starting with '#' are comments:
//
//   data_version <the data version of the data set answering>  (optional)
//   hash <block number> <FNV-1a 64 of the block's lines, 16 hex digits>
//   answer <line number> <the line>
//
// A block's hash covers each of its lines followed by "\n".
#ifndef TESSERA_TESTS_TESTING_ANSWER_RECORD_H_
#define TESSERA_TESTS_TESTING_ANSWER_RECORD_H_

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace tessera {
namespace test {

// How a record samples the lines.
struct RecordLayout {
  std::size_t block_size;      // lines per hash
  std::size_t verbatim_every;  // lines 0, n, 2n, ... are kept verbatim
};

struct AnswerRecord {
  std::string data_version;                    // empty when the file names none
  std::map<std::size_t, std::string> hashes;   // by block number
  std::map<std::size_t, std::string> answers;  // by line number
};

// The record of `lines`.
AnswerRecord record_of(const std::vector<std::string>& lines,
                       const RecordLayout& layout);

// Throws std::runtime_error when the file cannot be read or holds a line
// that is none of the above.
AnswerRecord read_record(const std::string& path);

// Writes `header` (whole comment lines, each "# ...\n") and then `record`,
// its data version only when it has one. Throws std::runtime_error when the
// file cannot be written.
void write_record(const AnswerRecord& record, const std::string& header,
                  const std::string& path);

// Adds a GoogleTest failure unless `lines` give `expected`: one naming the
// positions of each block whose hash moved, one showing each verbatim line
// that differs.
void expect_record(const std::vector<std::string>& lines,
                   const AnswerRecord& expected, const RecordLayout& layout);

// The path in TESSERA_RECORD_ANSWERS, or null when it is not set. A test of
// recorded answers that finds it set writes its record there in place of
// comparing.
const char* record_answers_path();

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TESTING_ANSWER_RECORD_H_
