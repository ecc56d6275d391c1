#include "autosuggest/levenshtein/encoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace levenshtein {
namespace {

TEST(Encoder, CodesListedCharactersFromOneAndOthersAsCPlusOne) {
  const Encoder encoder({u'a', u'b', u'\u00e9'});
  EXPECT_EQ(encoder.default_code(), 4);
  EXPECT_EQ(encoder.encode_normalised_string(u"ba\u00e9x"),
            std::string("\x02\x01\x03\x04", 4));
  EXPECT_EQ(encoder.encode_normalised_string(u""), "");
  // A surrogate pair is two unlisted code units.
  EXPECT_EQ(encoder.encode_normalised_string(u"\U0001F600"),
            std::string("\x04\x04", 2));
}

TEST(Encoder, RepeatedCharacterKeepsItsLastCode) {
  const auto encoding = construct_encoding({u'a', u'b', u'a'});
  EXPECT_EQ(encoding.at(u'a'), 3);
  EXPECT_EQ(encoding.at(u'b'), 2);
}

TEST(Encoder, RejectsADefaultCodeBeyondAByte) {
  EXPECT_NO_THROW(Encoder(std::vector<char16_t>(254, u'a')));
  try {
    Encoder encoder(std::vector<char16_t>(255, u'a'));
    ADD_FAILURE() << "no FileError";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(),
                 "Integrity failure (data files corrupted): Too many "
                 "encodable characters..");
  }
}

}  // namespace
}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera
