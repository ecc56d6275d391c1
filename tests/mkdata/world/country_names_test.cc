#include "mkdata/world/country_names.h"

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

TEST(CountryNamesTest, UsualNameIsTheShortestInWords) {
  const struct {
    std::vector<std::string> names;
    const char* usual;
  } kCases[] = {
      {{"France"}, "France"},
      {{"United States of America", "United States", "USA", "U.S.A.", "US",
        "U.S."},
       "United States"},
      // A tie keeps the earlier name.
      {{"United Kingdom", "UK", "Great Britain"}, "United Kingdom"},
      {{"Türkiye", "Turkey"}, "Türkiye"},
      {{"Koninkrijk der Nederlanden", "Nederland"}, "Nederland"},
      {{"Korea, Republic of", "Republic of Korea", "South Korea"},
       "South Korea"},
      // Abbreviations only when there is nothing else.
      {{"United Arab Emirates", "UAE"}, "United Arab Emirates"},
      {{"USA", "US"}, "USA"},
      {{}, ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.usual);
    EXPECT_EQ(usual_country_name(c.names), c.usual);
  }
}

rapidjson::Document parse(const char* json) {
  rapidjson::Document document;
  document.Parse(json);
  EXPECT_FALSE(document.HasParseError()) << json;
  return document;
}

TEST(CountryNamesTest, ReadsStringsAndArraysAndSkipsTheRest) {
  const rapidjson::Document document = parse(R"({"locale": "de",
      "countries": {"FR": "Frankreich",
                    "US": ["Vereinigte Staaten von Amerika",
                           "Vereinigte Staaten", "USA"],
                    "AA": 5, "BB": ["Gut", 5], "CC": "", "DD": [],
                    "EE": "Tab\tLand", "FF": {"x": "y"}}})");
  const std::map<std::string, std::string> expected = {
      {"FR", "Frankreich"}, {"US", "Vereinigte Staaten"}};
  EXPECT_EQ(country_names_from_json(document, "de.json"), expected);
}

TEST(CountryNamesTest, RejectsAnotherShape) {
  for (const char* json :
       {"[]", R"({"locale": "de"})", R"({"countries": ["FR"]})"}) {
    SCOPED_TRACE(json);
    try {
      country_names_from_json(parse(json), "langs/de.json");
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()).rfind("langs/de.json: ", 0), 0u)
          << e.what();
    }
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
