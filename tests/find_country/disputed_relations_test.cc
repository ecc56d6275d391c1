#include "find_country/disputed_relations.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tessera/error.h"

namespace tessera {
namespace find_country {
namespace {

const std::string kPrefix = "Integrity failure (data files corrupted): ";

std::vector<std::string> codes_of(const std::vector<Country>& countries) {
  std::vector<std::string> codes;
  for (const Country& c : countries) codes.push_back(c.code);
  return codes;
}

TEST(DisputedRelations, MapsEachClaimantToItsAreasInLineOrder) {
  const auto disputed =
      reformat_disputed_relations({"XXAABB", "YYBB", "ZZBBAA"});
  ASSERT_EQ(disputed.size(), 2u);
  EXPECT_EQ(codes_of(disputed.at(Country("AA"))),
            (std::vector<std::string>{"XX", "ZZ"}));
  EXPECT_EQ(codes_of(disputed.at(Country("BB"))),
            (std::vector<std::string>{"XX", "YY", "ZZ"}));
}

TEST(DisputedRelations, RejectsMalformedLines) {
  const struct {
    std::vector<std::string> lines;
    const char* detail;
  } kCases[] = {
      {{"XXA"}, "countries.data contains country codes with odd digits."},
      {{"XX"}, "countries.data contains invalid countries relations."},
      {{""}, "countries.data contains invalid countries relations."},
      {{"XXAA", "XXAAB"},
       "countries.data contains country codes with odd digits."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.detail);
    try {
      reformat_disputed_relations(c.lines);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.what(), kPrefix + c.detail);
    }
  }
  // A malformed code is the file's damage too.
  EXPECT_THROW(reformat_disputed_relations({"XXa1"}), FileError);
}

TEST(DisputedRelations, ValidatesAgainstTheOutlineCodes) {
  const std::vector<char> codes = {'A', 'A', 'B', 'B', 'X', 'X'};
  EXPECT_NO_THROW(
      validate_disputed_areas(reformat_disputed_relations({"XXAABB"}), codes));

  const struct {
    std::vector<std::string> lines;
    std::vector<char> codes;
    const char* detail;
  } kCases[] = {
      {{"QQAA"},
       codes,
       "countries.data reference unavailable country code - \"QQ\".."},
      // The claimant (the key) is checked before its areas.
      {{"QQCC"},
       codes,
       "countries.data reference unavailable country code - \"CC\".."},
      {{}, {}, "countries.data doesn't contain any countries."},
      {{}, {'A', 'A'}, "countries.data contains invalid countries relations."},
      {{},
       {'A', 'A', 'B'},
       "countries.data contains country codes with odd digits."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.detail);
    try {
      validate_disputed_areas(reformat_disputed_relations(c.lines), c.codes);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.what(), kPrefix + c.detail);
    }
  }
}

}  // namespace
}  // namespace find_country
}  // namespace tessera
