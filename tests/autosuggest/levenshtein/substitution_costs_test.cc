#include "autosuggest/levenshtein/substitution_costs.h"

#include <gtest/gtest.h>

#include <vector>

#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace levenshtein {
namespace {

TEST(SubstitutionCosts, FillsTheTableForTheCodesInUse) {
  // Codes: 'a' 1, 'b' 2, 'c' 3, anything else 4.
  const SubstitutionCosts costs({u'a', u'b', u'c'}, {{1, 2}, {3, 4}});
  const struct {
    int dictionary, query, cost;
  } kCases[] = {
      {1, 1, 0},  {2, 2, 0},
      {3, 3, 0},  {4, 4, 12},  // two unlisted characters are never equal
      {1, 2, 7},  {2, 1, 12},  // a pair counts in its own direction only
      {3, 4, 7},  {4, 3, 12},
      {1, 3, 12}, {4, 1, 12},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.dictionary << ", " << c.query);
    EXPECT_EQ(costs.cost(c.dictionary, c.query), c.cost);
    EXPECT_EQ(costs.row(c.dictionary)[c.query], c.cost);
  }
}

TEST(SubstitutionCosts, RejectsTooManyCharactersAndStrayPairs) {
  EXPECT_NO_THROW(SubstitutionCosts(std::vector<char16_t>(126, u'a'), {}));
  try {
    SubstitutionCosts costs(std::vector<char16_t>(127, u'a'), {});
    ADD_FAILURE() << "no FileError";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(),
                 "Integrity failure (data files corrupted): Too many "
                 "encodable characters..");
  }
  EXPECT_THROW(SubstitutionCosts({u'a'}, {{1, 3}}), FileError);
  EXPECT_THROW(SubstitutionCosts({u'a'}, {{0, 1}}), FileError);
}

}  // namespace
}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera
