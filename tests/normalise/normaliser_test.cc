#include "normalise/normaliser.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tessera/error.h"
#include "testing/data_files.h"

namespace tessera {
namespace normalise {
namespace {

// Entry k is k itself.
std::vector<std::u16string> identity_table() {
  std::vector<std::u16string> table(65536);
  for (std::size_t k = 0; k < table.size(); ++k) {
    table[k] = std::u16string(1, static_cast<char16_t>(k));
  }
  return table;
}

TEST(Normaliser, MapsEachCodeUnitThroughItsEntry) {
  std::vector<std::u16string> table = identity_table();
  table[u'\''] = u"";
  table[u'I'] = u"i";
  table[u'T'] = u"t";
  table[u'S'] = u"s";
  table[0x00C9] = u"e";   // É
  table[0x00DF] = u"ss";  // ß
  table[0xD83D] = u"";    // high half of U+1F600
  const Normaliser normaliser(std::move(table));
  const struct {
    std::u16string in, out;
  } kCases[] = {
      {u"", u""},
      {u"it's", u"its"},
      {u"IT'S", u"its"},
      {u"\u00C9t\u00E9", u"et\u00E9"},
      {u"stra\u00DFe", u"strasse"},
      {u"'''", u""},
      // A surrogate pair is mapped as two separate code units.
      {u"a\U0001F600", u"a\xDE00"},
      // The output is not mapped again: "i" is not looked up a second time.
      {u"I", u"i"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.in.size()));
    EXPECT_EQ(normaliser.normalise_u16(c.in), c.out);
  }
}

// A syllable is split into the conjoining letters of its standard Hangul
// decomposition, each mapped through its own entry.
TEST(Normaliser, SplitsHangulSyllablesIntoMappedLetters) {
  const Normaliser identity(identity_table());
  const struct {
    std::u16string syllable, letters;
  } kDecompositions[] = {
      {u"\uAC00", u"\u1100\u1161"},        // 가
      {u"\uAC01", u"\u1100\u1161\u11A8"},  // 각
      {u"\uD55C", u"\u1112\u1161\u11AB"},  // 한
      {u"\uD7A3", u"\u1112\u1175\u11C2"},  // 힣, the last syllable
  };
  for (const auto& c : kDecompositions) {
    SCOPED_TRACE(static_cast<int>(c.syllable[0]));
    EXPECT_EQ(identity.normalise_u16(c.syllable), c.letters);
  }
  // U+D7A4 is past the syllables and keeps its own entry.
  EXPECT_EQ(identity.normalise_u16(u"\uD7A4"), u"\uD7A4");

  std::vector<std::u16string> table = identity_table();
  table[0x1100] = u"g";
  table[0x1161] = u"a";
  table[0x11A8] = u"k";
  table[0xAC01] = u"unused";  // syllables never reach their own entry
  table[0xD7A4] = u"x";
  const Normaliser letters(std::move(table));
  EXPECT_EQ(letters.normalise_u16(u"\uAC01\uAC00"), u"gakga");
  EXPECT_EQ(letters.normalise_u16(u"\uD7A4"), u"x");
}

TEST(Normaliser, Utf8AgreesWithUtf16) {
  std::vector<std::u16string> table = identity_table();
  table[u'A'] = u"a";
  table[0x00C4] = u"a";
  const Normaliser normaliser(std::move(table));
  const struct {
    const char* utf8;
    std::u16string utf16;
  } kCases[] = {
      {"", u""},
      {"Ärger", u"\u00C4rger"},
      {"각A", u"\uAC01A"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(normaliser.normalise_u8(c.utf8),
              normaliser.normalise_u16(c.utf16));
  }
  EXPECT_THROW(normaliser.normalise_u8("\xC0"), std::range_error);
}

TEST(Normaliser, RejectsATableOfTheWrongSize) {
  EXPECT_THROW(Normaliser(std::vector<std::u16string>(65535)),
               InvalidArgumentError);
}

// The file: entry 'A' is "a" (61 00), entry 'B' is "xy", every other entry
// is empty (just the terminator 00 00).
std::string table_file() {
  std::string bytes;
  for (int k = 0; k < 65536; ++k) {
    if (k == 'A') bytes += std::string("\x61\x00", 2);
    if (k == 'B') bytes += std::string("\x78\x00\x79\x00", 4);
    bytes += std::string(2, '\0');
  }
  return bytes;
}

TEST(Normaliser, ReadsATableFile) {
  const Normaliser normaliser = read_normaliser(test::file_bytes(table_file()));
  EXPECT_EQ(normaliser.normalise_u16(u"ABCA"), u"axya");
  // Bytes after the last entry are not read.
  const Normaliser trailing =
      read_normaliser(test::file_bytes(table_file() + "\x41\x00junk"));
  EXPECT_EQ(trailing.normalise_u16(u"ABCA"), u"axya");
}

TEST(Normaliser, RejectsAShortTableFile) {
  const std::string whole = table_file();
  // No bytes; half a code unit missing; the last terminator missing; a
  // single entry missing.
  for (const std::size_t cut : {whole.size(), std::size_t{1}, std::size_t{2},
                                std::size_t{3}, std::size_t{4}}) {
    SCOPED_TRACE(cut);
    EXPECT_THROW(
        read_normaliser(test::file_bytes(whole.substr(0, whole.size() - cut))),
        FileError);
  }
  // The last entry runs into the end without its terminator.
  EXPECT_THROW(
      read_normaliser(test::file_bytes(whole.substr(0, whole.size() - 2) +
                                       std::string("\x61\x00", 2))),
      FileError);
}

}  // namespace
}  // namespace normalise
}  // namespace tessera
