#include "tessera/country.h"

#include <set>
#include <string>

#include "gtest/gtest.h"
#include "tessera/error.h"

namespace tessera {
namespace {

TEST(Country, TwoUpperCaseLetters) {
  const struct {
    std::string code;
    bool valid;
  } kCases[] = {
      {"GB", true},  {"XX", true},  {"ZZ", true},         {"AZ", true},
      {"gb", false}, {"Gb", false}, {"GBR", false},       {"G1", false},
      {"G", false},  {"", false},   {"G\xc3\x89", false}, {"@[", false},
      {"G ", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    const ErrorDescriptor d = Country::is_valid(c.code);
    if (c.valid) {
      EXPECT_EQ(d.code, 0);
      EXPECT_EQ(d.message, "");
      EXPECT_EQ(Country(c.code).code, c.code);
      continue;
    }
    const std::string message =
        "'" + c.code +
        "' is not in the correct format for an ISO 3166-1 alpha-2 country "
        "code. ISO 3166-1 alpha-2 country codes should contain exactly 2 "
        "uppercase characters.";
    EXPECT_EQ(d.code, 3);
    EXPECT_EQ(d.message, message);
    try {
      Country country(c.code);
      ADD_FAILURE() << "did not throw";
    } catch (const InvalidArgumentError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

TEST(Country, OrdersByCode) {
  EXPECT_TRUE(Country("DE") < Country("GB"));
  EXPECT_FALSE(Country("GB") < Country("GB"));
  const std::set<Country> countries = {Country("ZZ"), Country("AD")};
  EXPECT_EQ(countries.begin()->code, "AD");
}

}  // namespace
}  // namespace tessera
