#include "mkdata/normalise/ntable_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/utf16.h"
#include "normalise/normaliser.h"
#include "testing/data_files.h"
#include "testing/hex.h"

namespace tessera {
namespace mkdata {
namespace {

class NtableWriterTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = new std::vector<std::u16string>(normalisation_table());
    const std::vector<std::uint8_t> bytes = ntable_bytes(*table_);
    normaliser_ = new normalise::Normaliser(
        normalise::read_normaliser(test::file_bytes(bytes)));
  }
  static void TearDownTestSuite() {
    delete normaliser_;
    delete table_;
  }

  // The normalised form of UTF-8 text, as UTF-8.
  static std::string normalise(const std::string& text) {
    return core::to_utf8(normaliser_->normalise_u8(text));
  }

  static const std::vector<std::u16string>* table_;
  static const normalise::Normaliser* normaliser_;
};

const std::vector<std::u16string>* NtableWriterTest::table_ = nullptr;
const normalise::Normaliser* NtableWriterTest::normaliser_ = nullptr;

TEST_F(NtableWriterTest, FoldsCaseAccentsWidthAndApostrophes) {
  const struct {
    const char* in;
    const char* out;
  } kCases[] = {
      {"Ärger", "arger"},
      {"IT'S", "its"},
      {"it’s", "its"},
      {"É", "e"},
      {"e\u0301", "e"},  // e + combining acute
      {"Straße", "strasse"},
      {"İstanbul", "istanbul"},
      {"Αθήνα", "αθηνα"},
      {"Ёлка", "елка"},
      {"Ａｂ１", "ab1"},  // fullwidth
      {"さくら", "さくら"},
      {"カナ", "カナ"},
      // The voicing mark stays, decomposed.
      {"が", "か\u3099"},
      // Devanagari vowel signs and anusvara spell the word and stay.
      {"हिंदी", "हिंदी"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(normalise(c.in), c.out);
  }
}

TEST_F(NtableWriterTest, HangulSyllablesAndTheirLettersNormaliseAlike) {
  // 한국 and its conjoining letters.
  EXPECT_EQ(normalise("한국"),
            normalise("\u1112\u1161\u11AB\u1100\u116E\u11A8"));
  EXPECT_EQ(normalise("한"), "\u1112\u1161\u11AB");
}

TEST_F(NtableWriterTest, LeavesUnmappableCodeUnitsAlone) {
  const std::vector<std::u16string>& table = *table_;
  const char16_t kSelf[] = {
      0xD800, 0xDBFF, 0xDC00, 0xDFFF,  // surrogates
      0x0378, 0xFFF0,                  // unassigned
      0xFDD0, 0xFFFE, 0xFFFF,          // noncharacters
      0xAC00, 0xD7A3,                  // syllables
      0x1100, 0x11FF, 0xA960, 0xD7B0,  // conjoining letters
      0x0001, u'a',   u'7',   u'-',    //
  };
  for (const char16_t c : kSelf) {
    SCOPED_TRACE(static_cast<int>(c));
    EXPECT_EQ(table[c], std::u16string(1, c));
  }
  EXPECT_EQ(table[0x0000], u"");
  EXPECT_EQ(table[0x0027], u"");
  EXPECT_EQ(table[0x2019], u"");
}

// The file holds the table exactly: every code unit other than a syllable
// normalises to its entry.
TEST_F(NtableWriterTest, FileReadsBackAsTheTable) {
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xAC00 && c <= 0xD7A3) continue;
    const std::u16string unit(1, static_cast<char16_t>(c));
    ASSERT_EQ(normaliser_->normalise_u16(unit), (*table_)[c]) << c;
  }
}

TEST(NtableWriter, WritesEntriesWithTerminators) {
  std::vector<std::u16string> table(65536);
  table[1] = u"\u0001";
  table[2] = u"\u00E9x";
  const std::vector<std::uint8_t> bytes = ntable_bytes(table);
  ASSERT_EQ(bytes.size(), 2u * 65536 + 2 + 4);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 14),
            test::from_hex("0000  0100 0000  E900 7800 0000  0000"));

  EXPECT_THROW(ntable_bytes(std::vector<std::u16string>(65535)),
               std::invalid_argument);
  table[3] = std::u16string(1, u'\0');
  EXPECT_THROW(ntable_bytes(table), std::invalid_argument);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
