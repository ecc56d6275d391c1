#include "mkdata/wordlist/wordlist_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "tessera/language.h"
#include "testing/hex.h"
#include "wordlist/located_wordlist.h"

namespace tessera {
namespace mkdata {
namespace {

using ::testing::ElementsAre;

wordlist::LocatedWordlist<data::InMemory> read_back(const WordlistFile& file) {
  return wordlist::LocatedWordlist<data::InMemory>(
      Language("fr"),
      data::InMemory(std::vector<char>(file.bytes.begin(), file.bytes.end())));
}

TEST(WordlistWriter, WritesTheExpectedBytes) {
  const WordlistFile file = wordlist_file({"ab", "\xC3\xA9"});
  EXPECT_EQ(file.bytes, test::from_hex("1A000000 02000000"  // length 26, N
                                       "12000000 17000000"  // text offsets
                                       "0000 6162 00"       // record at 16
                                       "0100 C3A9 00"));    // record at 21
  EXPECT_THAT(file.record_offsets, ElementsAre(16u, 21u));

  const WordlistFile empty = wordlist_file({});
  EXPECT_EQ(empty.bytes, test::from_hex("08000000 00000000"));
  EXPECT_TRUE(empty.record_offsets.empty());
}

TEST(WordlistWriter, ReadsBackThroughTheWordlist) {
  const std::vector<std::string> words = {"index", "", "\xC3\xA9t\xC3\xA9",
                                          "\xE3\x81\x95\xE3\x81\x8F",
                                          "\xF0\x9F\x98\x80"};
  const WordlistFile file = wordlist_file(words);
  const auto wordlist = read_back(file);
  ASSERT_EQ(wordlist.length(), 5);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(wordlist.word_no(i), words[i]);
    EXPECT_EQ(wordlist.at_offset(static_cast<int>(file.record_offsets[i])),
              std::make_pair(i, words[i]));
  }
}

TEST(WordlistWriter, RejectsWhatTheFormatCannotHold) {
  EXPECT_THROW(wordlist_file({"a", std::string("b\0c", 3)}),
               std::invalid_argument);
  EXPECT_THROW(wordlist_file({"\xC0"}), std::invalid_argument);
  EXPECT_THROW(wordlist_file(std::vector<std::string>(65537, "a")),
               std::invalid_argument);
  // 65,536 numbers are fine.
  const WordlistFile full = wordlist_file(std::vector<std::string>(65536, "a"));
  EXPECT_EQ(read_back(full).word_no(65535), "a");
  // Records of 259 bytes reach 2^24 before the last word.
  EXPECT_THROW(
      wordlist_file(std::vector<std::string>(65536, std::string(256, 'a'))),
      std::length_error);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
