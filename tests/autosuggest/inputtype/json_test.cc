#include "autosuggest/inputtype/json.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessera {
namespace autosuggest {
namespace inputtype {
namespace {

rapidjson::Document parsed(const std::string& text) {
  rapidjson::Document document;
  EXPECT_TRUE(JSON::parse(text, &document)) << text;
  return document;
}

TEST(JSON, NamesTypesAsTheMessagesDo) {
  const struct {
    const char* json;
    const char* type;
  } kCases[] = {
      {"null", "null"},     {"true", "boolean"},
      {"false", "boolean"}, {"{}", "object"},
      {"[1]", "array"},     {"\"x\"", "string"},
      {"-7", "integer"},    {"18446744073709551615", "integer"},
      {"1.5", "numeric"},   {"-0.25", "numeric"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.json);
    EXPECT_EQ(JSON::get_type(parsed(c.json)), c.type);
  }
  EXPECT_EQ(JSON::to_string(parsed(" { \"a\" : [1, \"b\", null] } ")),
            "{\"a\":[1,\"b\",null]}");
}

TEST(JSON, RejectsMalformedTextAndBoundsTheDepth) {
  rapidjson::Document document;
  const std::vector<std::string> kBad = {"",
                                         "{",
                                         "[1,]",
                                         "{} {}",
                                         "\"\xff\"",
                                         "\"\xc0\x80\"",
                                         std::string(200000, '[')};
  for (const std::string& bad : kBad) {
    EXPECT_FALSE(JSON::parse(bad, &document)) << bad.substr(0, 10);
  }
  const std::string deepest =
      std::string(JSON::kMaxDepth, '[') + std::string(JSON::kMaxDepth, ']');
  EXPECT_TRUE(JSON::within_max_depth(parsed(deepest)));
  EXPECT_TRUE(JSON::check_with_schema(parsed(deepest), "{}"));
  // Deep enough to overflow the stack of a recursive walk.
  const std::string deeper =
      std::string(200000, '[') + std::string(200000, ']');
  ASSERT_TRUE(JSON::parse(deeper, &document));
  EXPECT_FALSE(JSON::within_max_depth(document));
  EXPECT_FALSE(JSON::check_with_schema(document, "{}"));
  EXPECT_FALSE(JSON::within_max_depth(parsed("[" + deepest + "]")));
}

TEST(JSON, DescribesStructuralFaults) {
  const rapidjson::Document document = parsed("{\"a\":null,\"n\":2.5}");
  try {
    JSON::member(document, "b");
    FAIL();
  } catch (const JsonStructureError& e) {
    EXPECT_STREQ(e.what(),
                 "No \"b\" entry found in object \"{\"a\":null,\"n\":2.5}\".");
  }
  try {
    JSON::as_string(JSON::member(document, "a"));
    FAIL();
  } catch (const JsonStructureError& e) {
    EXPECT_STREQ(e.what(),
                 "Found element of type null and value null, while looking "
                 "for element of type string");
  }
  EXPECT_THROW(JSON::as_integer(JSON::member(document, "n")),
               JsonStructureError);
  EXPECT_EQ(JSON::as_number(JSON::member(document, "n")), 2.5);
}

}  // namespace
}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
