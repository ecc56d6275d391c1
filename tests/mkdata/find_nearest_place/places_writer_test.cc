#include "mkdata/find_nearest_place/places_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "testing/hex.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(PlacesWriterTest, WritesHeaderSharedQualifiersRecordsAndTable) {
  const std::vector<PlaceText> qualifiers = {{"Q", {{"de", "Qd"}}}};
  const std::vector<PlaceEntry> places = {
      {{"P", {}}, -1},
      {{"R", {{"en", "Re"}, {"de", "Rd"}}}, 0},
      {{"S", {}}, 0},
  };
  EXPECT_EQ(places_file({"en", "de"}, qualifiers, places),
            test::from_hex("42000000 03000000 36000000 02000000"
                           "656E0A 64650A"                   // 16: "en", "de"
                           "5109425164 0A"                   // 22: "Q\tBQd"
                           "00000000 500A"                   // 28: P
                           "16000000 520941526509425264 0A"  // 34: R
                           "16000000 530A"                   // 48: S
                           "1C000000 22000000 30000000"));   // 54: table
}

TEST(PlacesWriterTest, RejectsWhatReadersCannotRead) {
  const std::vector<std::string> en = {"en"};
  const std::vector<std::string> many(27, "en");
  const struct {
    const char* what;
    std::vector<std::string> languages;
    std::vector<PlaceText> qualifiers;
    std::vector<PlaceEntry> places;
  } kCases[] = {
      {"27 name languages", many, {}, {}},
      {"unknown name language", {"xx"}, {}, {}},
      {"translation outside the list", en, {}, {{{"P", {{"de", "p"}}}, -1}}},
      {"TAB in a name", en, {}, {{{"P\tQ", {}}, -1}}},
      {"line feed in a translation", en, {}, {{{"P", {{"en", "a\n"}}}, -1}}},
      {"TAB in a qualifier", en, {{"Q\t", {}}}, {}},
      {"qualifier beyond the list", en, {{"Q", {}}}, {{{"P", {}}, 1}}},
      {"negative qualifier", en, {{"Q", {}}}, {{{"P", {}}, -2}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(places_file(c.languages, c.qualifiers, c.places),
                 std::invalid_argument);
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
