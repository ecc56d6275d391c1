#include "serve/query.h"

#include <string>

#include "gtest/gtest.h"

namespace tessera {
namespace serve {
namespace {

// The message of the BadRequest that `read` throws, or "(none)".
template <typename Read>
std::string refusal(Read read) {
  try {
    read();
  } catch (const BadRequest& e) {
    return e.what();
  }
  return "(none)";
}

TEST(Query, ReadsNumbersOfEveryAcceptedForm) {
  const Params params = {{"at", "-0.5,+1e2"},         {"box", "1,2,3.25,4"},
                         {"ring", "1,2,3,4,5,6,1,2"}, {"n", "4294967295"},
                         {"flag", "false"},           {"codes", "GB,FR"}};
  const Query query(params, {"at", "box", "ring", "n", "flag", "codes"});
  EXPECT_EQ(query.lat_lng("at").lat, -0.5);
  EXPECT_EQ(query.lat_lng("at").lng, 100.0);
  EXPECT_EQ(query.numbers("box", 4, "A,B,C,D"),
            (std::vector<double>{1, 2, 3.25, 4}));
  EXPECT_EQ(query.lat_lng_list("ring").size(), 4u);
  EXPECT_EQ(query.lat_lng_list("ring")[1].lng, 4.0);
  EXPECT_EQ(query.whole_number("n"), 4294967295u);
  EXPECT_FALSE(query.truth("flag"));
  EXPECT_EQ(query.list("codes"), (std::vector<std::string>{"GB", "FR"}));
  EXPECT_EQ(query.text_or("missing", "en"), "en");
}

TEST(Query, RefusesMalformedValuesNamingTheParameter) {
  const struct {
    const char* value;
    const char* expected;
  } kCases[] = {
      {"1", "p must be LAT,LNG, not \"1\"."},
      {"1,2,3", "p must be LAT,LNG, not \"1,2,3\"."},
      {"1,", "p: \"\" is not a finite number."},
      {"nan,0", "p: \"nan\" is not a finite number."},
      {"0,inf", "p: \"inf\" is not a finite number."},
      {"1e999,0", "p: \"1e999\" is not a finite number."},
      {"0x10,0", "p: \"0x10\" is not a finite number."},
      {"+-1,0", "p: \"+-1\" is not a finite number."},
      {" 1,0", "p: \" 1\" is not a finite number."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.value);
    const Params params = {{"p", c.value}};
    const Query query(params, {"p"});
    EXPECT_EQ(refusal([&] { query.lat_lng("p"); }), c.expected);
  }
  const Params params = {
      {"n", "-1"}, {"b", "yes"}, {"l", "GB,,FR"}, {"r", "1,2,3"}};
  const Query query(params, {"n", "b", "l", "r"});
  EXPECT_EQ(refusal([&] { query.whole_number("n"); }),
            "n must be a whole number from 0 to 4294967295, not \"-1\".");
  EXPECT_EQ(refusal([&] { query.truth("b"); }),
            "b must be true or false, not \"yes\".");
  EXPECT_EQ(refusal([&] { query.list("l"); }),
            "l must be items separated by commas, not \"GB,,FR\".");
  EXPECT_EQ(refusal([&] { query.lat_lng_list("r"); }),
            "r must be LAT,LNG,LAT,LNG,..., not \"1,2,3\".");
  EXPECT_EQ(refusal([&] { query.text("missing"); }),
            "Missing parameter \"missing\".");
}

TEST(Query, RefusesUnknownAndRepeatedParameters) {
  const Params unknown = {{"coordinates", "1,2"}, {"lang", "en"}};
  EXPECT_EQ(refusal([&] {
              Query(unknown, {"coordinates", "language"});
            }),
            "Unknown parameter \"lang\"; this endpoint takes coordinates, "
            "language.");
  const Params none = {{"x", ""}};
  EXPECT_EQ(refusal([&] { Query(none, {}); }),
            "Unknown parameter \"x\"; this endpoint takes none.");
  const Params twice = {{"coordinates", "1,2"}, {"coordinates", "3,4"}};
  EXPECT_EQ(refusal([&] { Query(twice, {"coordinates"}); }),
            "Parameter \"coordinates\" is given twice.");
}

}  // namespace
}  // namespace serve
}  // namespace tessera
