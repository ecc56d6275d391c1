#include "find_nearest_place/located_nearest_place_finder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "find_nearest_place/kdtree_point.h"
#include "find_nearest_place/located_kd_tree.h"
#include "find_nearest_place/source_maker.h"
#include "mkdata/find_nearest_place/kdtree_writer.h"
#include "mkdata/find_nearest_place/places_writer.h"
#include "mkdata/find_nearest_place/syntax_writer.h"
#include "tessera/coordinates.h"
#include "tessera/error.h"
#include "tessera/language.h"
#include "testing/hex.h"

namespace tessera {
namespace find_nearest_place {
namespace {

using mkdata::JoiningRule;
using mkdata::PlaceEntry;
using mkdata::PlaceText;

// The one place of the files below lies in this cell.
const mkdata::QuantisedPosition kCell{32768, 32768};
const Coordinates kOnThePlace = leaf_position(kCell.a, kCell.b);

// One place, name "Ville" (en "town"), qualifier "Nord", with the table
// ahead of the record so that every truncation reaches the record or the
// qualifier:
//   16 "en\n"; 19 table: record 23; 23 qualifier 39, "Ville\tAtown\n";
//   39 "Nord\n".
const char kPlacesHex[] =
    "2C000000 01000000 13000000 01000000"
    "656E0A"
    "17000000"
    "27000000 56696C6C65 09 41746F776E 0A"
    "4E6F72640A";
const char kNoRulesHex[] = "08000000 00000000";

template <typename Source>
class LocatedNearestPlaceFinderTest : public testing::Test {
 protected:
  LocatedNearestPlaceFinder<Source> make(
      const std::string& places, const std::string& syntax,
      const std::vector<mkdata::QuantisedPosition>& cells = {kCell}) {
    const std::vector<std::uint8_t> tree = mkdata::kdtree_file(cells).bytes;
    return LocatedNearestPlaceFinder<Source>(
        maker_.make<Source>(places),
        LocatedKDTree<Source>(maker_.make<Source>(tree)),
        maker_.make<Source>(syntax));
  }

  // A finder over one place written by the data builder, with the name
  // languages en, de and ja.
  LocatedNearestPlaceFinder<Source> make_one(
      const PlaceText& name, const std::vector<PlaceText>& qualifiers,
      const std::vector<JoiningRule>& rules) {
    const auto places =
        mkdata::places_file({"en", "de", "ja"}, qualifiers,
                            {PlaceEntry{name, qualifiers.empty() ? -1 : 0}});
    const auto syntax = mkdata::syntax_file(rules);
    return make(std::string(places.begin(), places.end()),
                std::string(syntax.begin(), syntax.end()));
  }

 private:
  test::SourceMaker maker_;
};

using Sources = testing::Types<data::InMemory, data::OnDisk>;
TYPED_TEST_SUITE(LocatedNearestPlaceFinderTest, Sources);

TYPED_TEST(LocatedNearestPlaceFinderTest, PhrasesFollowTranslationsAndRules) {
  const PlaceText kParis{"Paris", {}};
  const PlaceText kMunich{"München", {{"en", "Munich"}, {"de", "München"}}};
  const PlaceText kBavaria{"Bayern", {{"en", "Bavaria"}, {"de", "Bayern"}}};
  const PlaceText kKana{"Kari", {{"ja", "カリ"}}};
  const PlaceText kKanaGroup{"Moten", {{"ja", "モテン"}}};
  const struct {
    const char* what;
    PlaceText name;
    std::vector<PlaceText> qualifier;
    std::vector<JoiningRule> rules;
    const char* language;
    const char* phrase;
  } kCases[] = {
      {"no qualifier, no translation", kParis, {}, {{"en", 1}}, "ja", "Paris"},
      {"both translated: own rule",
       kMunich,
       {kBavaria},
       {{"de", 7}},
       "de",
       "Bayern, München"},
      {"both translated, no rule: default",
       kMunich,
       {kBavaria},
       {{"de", 7}},
       "en",
       "Munich, Bavaria"},
      {"neither translated: rule of en",
       kMunich,
       {kBavaria},
       {{"ja", 7}, {"en", 5}},
       "ja",
       "Bayern München"},
      {"only the name translated: rule of en",
       kKana,
       {kBavaria},
       {{"ja", 1}, {"en", 0}},
       "ja",
       "カリBayern"},
      {"only the qualifier translated: rule of en",
       kParis,
       {kKanaGroup},
       {{"ja", 0}, {"en", 2}},
       "ja",
       "Paris,モテン"},
      {"flags 0", kKana, {kKanaGroup}, {{"ja", 0}}, "ja", "カリモテン"},
      {"flags 7", kKana, {kKanaGroup}, {{"ja", 7}}, "ja", "モテン, カリ"},
      {"flags 1", kKana, {kKanaGroup}, {{"ja", 1}}, "ja", "モテンカリ"},
      {"flags 4", kKana, {kKanaGroup}, {{"ja", 4}}, "ja", "カリ モテン"},
      {"first rule of a language wins",
       kKana,
       {kKanaGroup},
       {{"ja", 4}, {"ja", 1}},
       "ja",
       "カリ モテン"},
      {"no rules: default", kKana, {kKanaGroup}, {}, "ja", "カリ, モテン"},
      {"same texts once", kParis, {kParis}, {{"en", 7}}, "en", "Paris"},
      {"same texts after translation",
       kMunich,
       {PlaceText{"Munich", {}}},
       {},
       "en",
       "Munich"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto finder = this->make_one(c.name, c.qualifier, c.rules);
    EXPECT_EQ(finder.nearest_to(kOnThePlace, Language(c.language), 300000),
              Optional<std::string>(c.phrase));
  }
}

TYPED_TEST(LocatedNearestPlaceFinderTest, NothingBeyondTheRadius) {
  const auto finder = this->make(test::bytes_from_hex(kPlacesHex),
                                 test::bytes_from_hex(kNoRulesHex));
  EXPECT_EQ(finder.nearest_to(kOnThePlace, Language("en"), 300000),
            Optional<std::string>("town, Nord"));
  EXPECT_EQ(finder.nearest_to(kOnThePlace, Language("de"), 300000),
            Optional<std::string>("Ville, Nord"));
  EXPECT_FALSE(finder.nearest_to(Coordinates(10, 0), Language("en"), 300000)
                   .has_value());
  EXPECT_FALSE(finder.nearest_to(kOnThePlace, Language("en"), -1).has_value());
}

TYPED_TEST(LocatedNearestPlaceFinderTest, SelectAlternateTakesTheFirstMatch) {
  const auto finder = this->make_one(PlaceText{"x", {}}, {}, {});
  const struct {
    const char* line;
    const char* language;
    const char* text;
    bool translated;
  } kCases[] = {
      {"Default\tBde\tAen", "en", "en", true},
      {"Default\tBde\tAen", "de", "de", true},
      {"Default\tBde\tAen", "ja", "Default", false},
      {"Default", "en", "Default", false},
      {"D\tAone\tAtwo", "en", "one", true},
      {"D\tA", "en", "", true},
      {"\tCja", "ja", "ja", true},
      {"\tCja", "en", "", false},
      // The scan stops at the match, before the bad field.
      {"D\tAen\t", "en", "en", true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(finder.select_alternate(c.line, Language(c.language)),
              std::make_pair(std::string(c.text), c.translated));
  }
  for (const char* line :
       {"D\t", "D\tDx", "D\t@x", "D\tBde\t\tAen", "D\t\xC3\xA9t"}) {
    SCOPED_TRACE(line);
    EXPECT_THROW(finder.select_alternate(line, Language("en")), FileError);
  }
}

TYPED_TEST(LocatedNearestPlaceFinderTest, SelectRuleReadsTheRuleTable) {
  const auto finder = this->make(
      test::bytes_from_hex(kPlacesHex),
      test::bytes_from_hex("14000000 03000000 6465 0F00 6A61 0100 6465 0200"));
  EXPECT_EQ(finder.select_rule(Language("de")), 7);  // Only 3 bits count.
  EXPECT_EQ(finder.select_rule(Language("ja")), 1);
  EXPECT_EQ(finder.select_rule(Language("en")), 6);
  const auto negative = this->make(test::bytes_from_hex(kPlacesHex),
                                   test::bytes_from_hex("08000000 FFFFFFFF"));
  EXPECT_EQ(negative.select_rule(Language("de")), 6);
}

TYPED_TEST(LocatedNearestPlaceFinderTest, RejectsBadRules) {
  const std::string places = test::bytes_from_hex(kPlacesHex);
  EXPECT_THROW(this->make(places, test::bytes_from_hex("07000000 000000")),
               FileError);
  // Rules running past the end and rules naming no language are the file's
  // damage, found when it is loaded rather than by the query that meets them.
  EXPECT_THROW(
      this->make(places, test::bytes_from_hex("0C000000 02000000 6465 0100")),
      FileError);
  EXPECT_THROW(this->make(places, test::bytes_from_hex("10000000 02000000 6A61 "
                                                       "0100 5A5A 0100")),
               FileError);
}

TYPED_TEST(LocatedNearestPlaceFinderTest, RejectsCorruptPlaces) {
  const std::string rules = test::bytes_from_hex(kNoRulesHex);
  // Header faults found at construction.
  const struct {
    const char* what;
    const char* hex;
  } kAtConstruction[] = {
      {"short header", "0F000000 00000000 10000000 000000"},
      {"table past the end", "14000000 01000000 11000000 00000000 00000000"},
      {"language count past the end",
       "18000000 01000000 14000000 09000000 17000000"},
      {"language without its line feed",
       "14000000 01000000 10000000 02000000 656E0A65"},
  };
  for (const auto& c : kAtConstruction) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(this->make(test::bytes_from_hex(c.hex), rules), FileError);
  }
  // A tree of two places over a table of one, at the end of the file.
  const auto one_place =
      mkdata::places_file({"en"}, {}, {PlaceEntry{PlaceText{"P", {}}, -1}});
  EXPECT_THROW(this->make(std::string(one_place.begin(), one_place.end()),
                          rules, {kCell, {0, 0}}),
               FileError);
  EXPECT_THROW(this->make(test::bytes_from_hex(
                              "14000000 01000000 10000000 01000000 78780A00"),
                          rules),
               FileError);

  // Record faults found by the query.
  const struct {
    const char* what;
    const char* hex;
  } kAtQuery[] = {
      {"record past the end", "14000000 01000000 10000000 00000000 14000000"},
      {"qualifier past the end",
       "1A000000 01000000 10000000 00000000 14000000 1A000000 410A"},
      {"name without its line feed",
       "19000000 01000000 10000000 00000000 14000000 00000000 41"},
      {"translation naming no language",
       "1C000000 01000000 10000000 00000000 14000000 00000000 4109420A"},
  };
  for (const auto& c : kAtQuery) {
    SCOPED_TRACE(c.what);
    const auto finder = this->make(test::bytes_from_hex(c.hex), rules);
    EXPECT_THROW(finder.nearest_to(kOnThePlace, Language("en"), 300000),
                 FileError);
  }
}

// Every prefix of the places file, framed as if complete, fails at
// construction or at the query, never giving a wrong phrase.
TYPED_TEST(LocatedNearestPlaceFinderTest, RejectsEveryTruncation) {
  const std::string whole = test::bytes_from_hex(kPlacesHex);
  const std::string rules = test::bytes_from_hex(kNoRulesHex);
  for (std::size_t size = 0; size < whole.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_THROW(
        {
          const auto finder =
              this->make(test::with_own_length(whole.substr(0, size)), rules);
          finder.nearest_to(kOnThePlace, Language("en"), 300000);
        },
        FileError);
  }
}

}  // namespace
}  // namespace find_nearest_place
}  // namespace tessera
