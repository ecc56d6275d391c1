#include "wordlist/located_wordlist.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "tessera/error.h"
#include "tessera/language.h"
#include "testing/data_files.h"
#include "testing/hex.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace wordlist {
namespace {

// Three words, "ab", "" and "é", whose records lie out of number order:
// word 2 at record offset 20, word 0 at 25, word 1 at 30.
const char kWordlistHex[] =
    "21000000 03000000"                     // length 33, N = 3
    "1B000000 20000000 16000000"            // text offsets 27, 32, 22
    "0200 C3A9 00  0000 6162 00  0100 00";  // records

std::string wordlist_bytes() { return test::bytes_from_hex(kWordlistHex); }

// Sets the length word to the size of `bytes` (when there is room for it),
// as a file cut short by its writer would have it.
std::string with_own_length(std::string bytes) {
  if (bytes.size() >= 4) {
    const std::uint32_t n = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(n >> (8 * i));
  }
  return bytes;
}

template <typename Source>
class LocatedWordlistTest : public testing::Test {
 protected:
  LocatedWordlist<Source> make(const std::string& bytes) {
    return LocatedWordlist<Source>(Language("en"), source(bytes));
  }

 private:
  Source source(const std::string& bytes);

  test::TempDir dir_;
  int files_ = 0;
};

template <>
data::InMemory LocatedWordlistTest<data::InMemory>::source(
    const std::string& bytes) {
  return data::InMemory(std::vector<char>(bytes.begin(), bytes.end()));
}

template <>
data::OnDisk LocatedWordlistTest<data::OnDisk>::source(
    const std::string& bytes) {
  return test::open_on_disk(
      dir_.write_file(std::to_string(++files_) + ".wordlist", bytes));
}

using Sources = testing::Types<data::InMemory, data::OnDisk>;
TYPED_TEST_SUITE(LocatedWordlistTest, Sources);

TYPED_TEST(LocatedWordlistTest, ReadsWordsByNumberAndByRecordOffset) {
  const auto wordlist = this->make(wordlist_bytes());
  EXPECT_EQ(wordlist.language(), Language("en"));
  EXPECT_EQ(wordlist.length(), 3);
  EXPECT_EQ(wordlist.word_no(0), "ab");
  EXPECT_EQ(wordlist.word_no(1), "");
  EXPECT_EQ(wordlist.word_no(2), "\xC3\xA9");
  EXPECT_EQ(wordlist.at_offset(20), std::make_pair(2, std::string("\xC3\xA9")));
  EXPECT_EQ(wordlist.at_offset(25), std::make_pair(0, std::string("ab")));
  EXPECT_EQ(wordlist.at_offset(30), std::make_pair(1, std::string()));
  // Reads leave nothing behind: the same word again, after other reads.
  EXPECT_EQ(wordlist.word_no(0), "ab");
}

TYPED_TEST(LocatedWordlistTest, RejectsNumbersAndOffsetsOutsideTheFile) {
  const auto wordlist = this->make(wordlist_bytes());
  for (const int i : {-1, 3, 65536}) {
    SCOPED_TRACE(i);
    EXPECT_THROW(wordlist.word_no(i), FileError);
  }
  // 32 holds one byte, too few for a word number.
  for (const int r : {-1, 32, 33, 1 << 24}) {
    SCOPED_TRACE(r);
    EXPECT_THROW(wordlist.at_offset(r), FileError);
  }
}

// Every prefix of the file, framed as if complete: each read either gives
// what the whole file gives or throws FileError.
TYPED_TEST(LocatedWordlistTest, TruncatedFilesGiveTheWordOrFileError) {
  const std::string whole = wordlist_bytes();
  const std::string words[] = {"ab", "", "\xC3\xA9"};
  const int records[] = {25, 30, 20};
  for (std::size_t size = 0; size < whole.size(); ++size) {
    SCOPED_TRACE(size);
    const std::string bytes = with_own_length(whole.substr(0, size));
    try {
      const auto wordlist = this->make(bytes);
      EXPECT_GE(size, 20u);  // The header and offset table are complete.
      for (int i = 0; i < 3; ++i) {
        try {
          EXPECT_EQ(wordlist.word_no(i), words[i]);
        } catch (const FileError&) {
        }
        try {
          EXPECT_EQ(wordlist.at_offset(records[i]),
                    std::make_pair(i, words[i]));
        } catch (const FileError&) {
        }
      }
      // Word 1's terminator is the last byte of the file.
      EXPECT_THROW(wordlist.word_no(1), FileError);
    } catch (const FileError&) {
      EXPECT_LT(size, 20u);
    }
  }
}

TYPED_TEST(LocatedWordlistTest, RejectsCorruptHeaders) {
  std::string bytes = wordlist_bytes();
  // Seven offsets need 36 bytes.
  bytes[4] = 7;
  EXPECT_THROW(this->make(bytes), FileError);
  // Four fit, but the fourth "offset" is the bytes of a record, far past
  // the end.
  bytes[4] = 4;
  const auto wordlist = this->make(bytes);
  EXPECT_EQ(wordlist.word_no(2), "\xC3\xA9");
  EXPECT_THROW(wordlist.word_no(3), FileError);
  // A word count above 65,536 in a file large enough for its table.
  std::string big(8 + 4 * 65537, '\0');
  big[6] = 1;  // N = 65,536
  EXPECT_EQ(this->make(with_own_length(big)).length(), 65536);
  big[4] = 1;  // N = 65,537
  EXPECT_THROW(this->make(with_own_length(big)), FileError);
}

TYPED_TEST(LocatedWordlistTest, RejectsATextWithoutTerminator) {
  // Word 0 "a" at record offset 12, its terminator missing.
  const auto wordlist =
      this->make(test::bytes_from_hex("0F000000 01000000 0E000000 0000 61"));
  EXPECT_THROW(wordlist.word_no(0), FileError);
  EXPECT_THROW(wordlist.at_offset(12), FileError);
}

}  // namespace
}  // namespace wordlist
}  // namespace tessera
