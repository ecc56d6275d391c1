#include "cli/batch.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json_request.h"
#include "engine/autosuggest_settings.h"
#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "tessera/bounding_box.h"
#include "tessera/country.h"
#include "tessera/error.h"
#include "tessera/language.h"
#include "testing/settings_text.h"
#include "tools/fake_engine.h"

namespace tessera {
namespace cli {
namespace {

const test::FakeEngine kEngine;

std::string ask(const std::string& line) {
  return answer_request(kEngine, line);
}

std::string run(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  run_batch(kEngine, in, out);
  return out.str();
}

std::string error_line(const std::string& type, const std::string& message) {
  return "{\"error\":{\"type\":\"" + type + "\",\"message\":\"" + message +
         "\"}}";
}

std::string usage(const std::string& message) {
  return error_line("usage", message);
}

TEST(Batch, EachOpAnswersWithItsShape) {
  const struct {
    const char* request;
    const char* response;
  } kCases[] = {
      {R"({"op":"convert_to_3wa","lat":51.5,"lng":-0.12,"language":"en"})",
       R"({"result":"index.home.raft"})"},
      {R"({"op":"convert_to_coordinates","address":"index.home.raft"})",
       R"({"result":{"lat":51.520847,"lng":-0.195521}})"},
      {R"({"op":"language_code","address":"a.b.c"})", R"({"result":"a.b.c"})"},
      {R"({"op":"nearest_place","lat":1,"lng":2,"language":"en"})",
       R"({"result":"Lndn"})"},
      {R"({"op":"country_code","lat":1,"lng":0})", R"({"result":"GB"})"},
      {R"({"op":"grid_square","lat":1.5,"lng":-2})",
       R"({"result":{"sw":{"lat":1.5,"lng":-2.0},"ne":{"lat":1.5,"lng":-2.0}}})"},
      {R"({"op":"grid_section","sw":{"lat":1,"lng":2},"ne":{"lat":3,"lng":4}})",
       R"({"result":[{"start":{"lat":1.0,"lng":2.0},"end":{"lat":1.0,"lng":4.0}},)"
       R"({"start":{"lat":1.0,"lng":2.0},"end":{"lat":3.0,"lng":2.0}}]})"},
      {R"({"op":"distance","a":{"lat":0,"lng":1},"b":{"lat":5,"lng":3.5}})",
       R"({"result":2.5})"},
      {R"({"op":"autosuggest","input":"index.home.r"})",
       R"({"result":[{"words":"index.home.raft","language":"en",)"
       R"("distance_to_focus_km":1.5,"country":"GB","nearest_place":"Lndn"},)"
       R"({"words":"indexes.home.raft","language":"en",)"
       R"("distance_to_focus_km":null,"country":"ZZ","nearest_place":null}]})"},
      {R"({"op":"is_valid_autosuggest_call","input":"x.y.z"})",
       R"({"result":{"code":0,"message":"x.y.z"}})"},
      {R"({"op":"available_languages"})", R"({"result":["de","en","ja"]})"},
      {R"({"op":"version"})", R"({"result":"3.5.0-fake"})"},
      {R"({"op":"data_version"})", R"({"result":"fake data 1"})"},
      {R"({"op":"is_available","language":"en"})",
       R"({"result":{"code":0,"message":""}})"},
      {R"({"op":"is_available","language":"de"})",
       R"({"result":{"code":4,"message":"Language 'de' not available."}})"},
      {R"({"op":"is_valid_language_code","code":"e"})",
       R"({"result":{"code":1,"message":"e"}})"},
      {R"({"op":"is_valid_utf8","text":"abc"})",
       R"({"result":{"code":3,"message":"abc"}})"},
      // Fields the op does not read are ignored.
      {R"({"id":7,"op":"version","extra":[1,{}]})",
       R"({"result":"3.5.0-fake"})"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.request);
    EXPECT_EQ(ask(c.request), c.response);
  }
}

TEST(Batch, EmptyOptionalsAreNull) {
  for (const char* request : {
           R"({"op":"convert_to_3wa","lat":0,"lng":1,"language":"en"})",
           R"({"op":"convert_to_coordinates","address":"no.such.words"})",
           R"({"op":"language_code","address":""})",
           R"({"op":"nearest_place","lat":0,"lng":1,"language":"en"})",
       }) {
    SCOPED_TRACE(request);
    EXPECT_EQ(ask(request), R"({"result":null})");
  }
}

TEST(Batch, EngineErrorsNameTheirClass) {
  const struct {
    double lng;
    const char* type;
    const char* message;
  } kCases[] = {
      {1, "FileError", "Missing file: countries"},
      {2, "InvalidArgumentError", "Bad argument"},
      {3, "LanguageNotAvalableError", "Language 'xx' not available."},
      {4, "bad_optional_access", "Bad Optional Access"},
      {5, "Error", "Plain error"},
      {6, "out_of_range", "vector index 9"},
      {7, "exception", "runtime trouble"},
      {8, "exception", "unknown exception"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(ask(R"({"op":"country_code","lat":1,"lng":)" +
                  std::to_string(static_cast<int>(c.lng)) + "}"),
              error_line(c.type, c.message));
  }
}

// Messages thrown by the value types themselves, taken from them.
template <typename Build>
std::string message_of(Build build) {
  try {
    build();
  } catch (const InvalidArgumentError& e) {
    return e.what();
  }
  return "(did not throw)";
}

TEST(Batch, ArgumentsAreCheckedByTheValueTypesAndTheEngine) {
  EXPECT_EQ(ask(R"({"op":"country_code","lat":91,"lng":0})"),
            error_line("InvalidArgumentError", "Invalid latitude: 91.000000."));
  EXPECT_EQ(
      ask(R"({"op":"distance","a":{"lat":0,"lng":0},"b":{"lat":-90.5,"lng":0}})"),
      error_line("InvalidArgumentError", "Invalid latitude: -90.500000."));
  EXPECT_EQ(
      ask(R"({"op":"grid_section","sw":{"lat":2,"lng":0},"ne":{"lat":1,"lng":0}})"),
      error_line("InvalidArgumentError", message_of([] {
                   BoundingBox(Coordinates(2, 0), Coordinates(1, 0));
                 })));
  // A malformed code reaches the engine's string overload...
  EXPECT_EQ(ask(R"({"op":"convert_to_3wa","lat":1,"lng":0,"language":"EN"})"),
            error_line("InvalidArgumentError", "Invalid code: EN"));
  EXPECT_EQ(
      ask(R"({"op":"nearest_place","lat":1,"lng":0,"language":"zz"})"),
      error_line("LanguageNotAvalableError", "Language 'zz' not available."));
  // ...while is_available builds a Language, which refuses it.
  EXPECT_EQ(
      ask(R"({"op":"is_available","language":"EN"})"),
      error_line("InvalidArgumentError", message_of([] { Language("EN"); })));
  EXPECT_EQ(ask(R"({"op":"autosuggest","input":""})"),
            error_line("Error", "Autosuggest is not available yet."));
}

TEST(Batch, MalformedRequestsAreUsageErrors) {
  const struct {
    std::string request;
    std::string message;
  } kCases[] = {
      {"", "empty request"},
      {" \t\r", "empty request"},
      {"op=version", "request is not JSON: Invalid value. (at byte 0)"},
      {R"({"op":"version"} {})",
       "request is not JSON: The document root must not be followed by other "
       "values. (at byte 17)"},
      {R"({"op":"version")",
       "request is not JSON: Missing a comma or '}' after an object member. "
       "(at byte 15)"},
      {std::string("{\"op\":\"version\"}\0", 17),
       "request holds a NUL byte; write it as \\\\u0000"},
      {"[1,2]", "request must be an object, not an array"},
      {"\"version\"", "request must be an object, not a string"},
      {"{}", "missing field \\\"op\\\""},
      {R"({"op":5})", "\\\"op\\\" must be a string, not a number"},
      {R"({"op":"fly"})", "unknown op \\\"fly\\\""},
      {R"({"op":"convert_to_3wa","lat":"51","lng":0,"language":"en"})",
       "\\\"lat\\\" must be a number, not a string"},
      {R"({"op":"convert_to_3wa","lat":51,"lng":0})",
       "missing field \\\"language\\\""},
      {R"({"op":"distance","a":{"lat":1},"b":{"lat":0,"lng":0}})",
       "missing field \\\"a.lng\\\""},
      {R"({"op":"distance","a":{"lat":1,"lng":0,"alt":2},"b":{"lat":0,"lng":0}})",
       "unknown field \\\"a.alt\\\""},
      {R"({"op":"grid_section","sw":[1,2],"ne":{"lat":0,"lng":0}})",
       "\\\"sw\\\" must be a position {\\\"lat\\\": ..., \\\"lng\\\": ...}, "
       "not an array"},
      {R"({"op":"is_valid_utf8","text":null})",
       "\\\"text\\\" must be a string, not null"},
      {R"({"op":"distance","a":{"lat":0,"lng":1.8e308},"b":{"lat":0,"lng":0}})",
       "number out of range: 1.8e308"},
      // A usage fault wins over a value the engine would refuse.
      {R"({"op":"convert_to_3wa","lat":91,"lng":0,"language":7})",
       "\\\"language\\\" must be a string, not a number"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.request);
    EXPECT_EQ(ask(c.request), usage(c.message));
  }
}

TEST(Batch, AutosuggestOptionsReachTheEngineInTheirOrder) {
  const struct {
    const char* options;
    const char* settings;  // as the options fold into them
  } kCases[] = {
      {"{}", ""},
      {R"({"language":"de"})", "language=de"},
      {R"({"disable_language_detection":true})", "no_detection"},
      {R"({"disable_language_detection":false})", ""},
      {R"({"n_results":0})", "n_results=0"},
      {R"({"n_results":4294967295})", "n_results=4294967295"},
      {R"({"focus":{"lat":-33.875,"lng":18.5}})", "focus=-33.875,18.5"},
      {R"({"n_focus_results":1})", "n_focus_results=1"},
      {R"({"clip_circle":{"lat":51,"lng":0,"radius_km":10.5}})",
       "circle=51,0,10.5"},
      {R"({"clip_circle":{"lat":51,"lng":0,"radius_km":0}})", "circle=51,0,0"},
      {R"({"clip_bounding_box":{"sw":{"lat":1,"lng":2},"ne":{"lat":3,"lng":4}}})",
       "box=1,2,3,4"},
      {R"({"clip_polygon":[{"lat":1,"lng":2},{"lat":3,"lng":4},)"
       R"({"lat":5,"lng":0.25},{"lat":1,"lng":2}]})",
       "polygon=1,2;3,4;5,0.25;1,2"},
      {R"({"clip_countries":["GB","FR","GB"]})", "countries=FR,GB"},
      {R"({"clip_countries":[]})", "countries="},
      {R"({"input_type":"vocon-hybrid"})", "input_type=vocon-hybrid"},
      {R"({"prefer_land":false})", "prefer_land=false"},
      {R"({"prefer_land":true})", "prefer_land=true"},
      // Every option, keys in reverse order: the settings are the same as
      // in the documented order.
      {R"({"prefer_land":false,"input_type":"generic-voice",)"
       R"("clip_countries":["GB"],)"
       R"("clip_polygon":[{"lat":1,"lng":2},{"lat":3,"lng":4},)"
       R"({"lat":5,"lng":6},{"lat":1,"lng":2}],)"
       R"("clip_bounding_box":{"sw":{"lat":1,"lng":2},"ne":{"lat":3,"lng":4}},)"
       R"("clip_circle":{"lat":51,"lng":0,"radius_km":10.5},)"
       R"("n_focus_results":1,"focus":{"lat":51.5,"lng":-0.125},)"
       R"("n_results":5,"disable_language_detection":true,"language":"en"})",
       "language=en no_detection n_results=5 focus=51.5,-0.125 "
       "n_focus_results=1 circle=51,0,10.5 box=1,2,3,4 "
       "polygon=1,2;3,4;5,6;1,2 countries=GB input_type=generic-voice "
       "prefer_land=false"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.options);
    std::vector<test::FakeEngine::AutosuggestCall> calls;
    const test::FakeEngine engine(&calls);
    const std::string options = std::string(R"(,"options":)") + c.options;
    EXPECT_EQ(answer_request(engine, R"({"op":"autosuggest","input":"a.b.c")" +
                                         options + "}"),
              R"({"result":[{"words":"index.home.raft","language":"en",)"
              R"("distance_to_focus_km":1.5,"country":"GB",)"
              R"("nearest_place":"Lndn"},{"words":"indexes.home.raft",)"
              R"("language":"en","distance_to_focus_km":null,)"
              R"("country":"ZZ","nearest_place":null}]})");
    answer_request(engine, R"({"op":"is_valid_autosuggest_call",)"
                           R"("input":"x.y.z")" +
                               options + "}");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].input, "a.b.c");
    EXPECT_EQ(calls[1].input, "x.y.z");
    for (const auto& call : calls) {
      EXPECT_EQ(test::settings_text(engine::autosuggest_settings(call.options)),
                c.settings);
    }
  }
}

TEST(Batch, AutosuggestOptionValuesAreCheckedByTheValueTypes) {
  const struct {
    const char* options;
    std::string message;
  } kCases[] = {
      {R"({"language":"EN"})", message_of([] { Language("EN"); })},
      {R"({"focus":{"lat":91,"lng":0}})", "Invalid latitude: 91.000000."},
      {R"({"clip_circle":{"lat":0,"lng":0,"radius_km":-0.5}})",
       "circle radius is negative."},
      {R"({"clip_circle":{"lat":-90.5,"lng":0,"radius_km":-0.5}})",
       "Invalid latitude: -90.500000."},
      {R"({"clip_bounding_box":{"sw":{"lat":3,"lng":2},"ne":{"lat":1,"lng":4}}})",
       "Bounding box must have SW then NE: 3.000000,2.000000 --- "
       "1.000000,4.000000."},
      {R"({"clip_polygon":[{"lat":1,"lng":2},{"lat":3,"lng":4},)"
       R"({"lat":5,"lng":6},{"lat":1,"lng":2.5}]})",
       "The last point of a polygon must be the same as the first point."},
      {R"({"clip_polygon":[{"lat":1,"lng":2},{"lat":3,"lng":4},)"
       R"({"lat":1,"lng":2}]})",
       "A polygon must have at least 3 points (not counting the repeated "
       "first point)."},
      {R"({"clip_countries":["GB","gb"]})", message_of([] { Country("gb"); })},
      // Values are built in the documented order, whatever the key order.
      {R"({"clip_circle":{"lat":0,"lng":0,"radius_km":-1},)"
       R"("focus":{"lat":95,"lng":0}})",
       "Invalid latitude: 95.000000."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.options);
    std::vector<test::FakeEngine::AutosuggestCall> calls;
    const test::FakeEngine engine(&calls);
    for (const char* op : {"autosuggest", "is_valid_autosuggest_call"}) {
      EXPECT_EQ(answer_request(engine, std::string(R"({"op":")") + op +
                                           R"(","input":"a.b.c","options":)" +
                                           c.options + "}"),
                error_line("InvalidArgumentError", c.message));
    }
    EXPECT_TRUE(calls.empty());
  }
}

TEST(Batch, AutosuggestOptionsOfTheWrongShapeAreUsageErrors) {
  const struct {
    const char* options;
    const char* message;
  } kCases[] = {
      {"[]", "\\\"options\\\" must be an object, not an array"},
      {R"({"colour":"red"})", "unknown field \\\"options.colour\\\""},
      {R"({"n_results":-1})",
       "\\\"options.n_results\\\" must be an integer from 0 to 4294967295, not "
       "a number"},
      {R"({"n_focus_results":1.5})",
       "\\\"options.n_focus_results\\\" must be an integer from 0 to "
       "4294967295, not a number"},
      {R"({"disable_language_detection":1})",
       "\\\"options.disable_language_detection\\\" must be a boolean, not a "
       "number"},
      {R"({"focus":{"lat":1}})", "missing field \\\"options.focus.lng\\\""},
      {R"({"clip_circle":{"lat":1,"lng":2}})",
       "missing field \\\"options.clip_circle.radius_km\\\""},
      {R"({"clip_circle":{"lat":1,"lng":2,"radius":3}})",
       "unknown field \\\"options.clip_circle.radius\\\""},
      {R"({"clip_bounding_box":{"sw":{"lat":1,"lng":2}}})",
       "missing field \\\"options.clip_bounding_box.ne\\\""},
      {R"({"clip_polygon":[{"lat":1,"lng":2},5]})",
       "\\\"options.clip_polygon[1]\\\" must be a position {\\\"lat\\\": ..., "
       "\\\"lng\\\": ...}, not a number"},
      {R"({"clip_countries":"GB"})",
       "\\\"options.clip_countries\\\" must be an array, not a string"},
      {R"({"clip_countries":["GB",false]})",
       "\\\"options.clip_countries[1]\\\" must be a string, not a boolean"},
      {R"({"input_type":3})",
       "\\\"options.input_type\\\" must be a string, not a number"},
      {R"({"prefer_land":"yes"})",
       "\\\"options.prefer_land\\\" must be a boolean, not a string"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.options);
    for (const char* op : {"autosuggest", "is_valid_autosuggest_call"}) {
      EXPECT_EQ(ask(std::string(R"({"op":")") + op +
                    R"(","input":"a","options":)" + c.options + "}"),
                usage(c.message));
    }
  }
}

TEST(Batch, StringBytesPassThroughUnchanged) {
  // Not UTF-8: a lone continuation byte, an overlong '/', a truncated
  // sequence, a surrogate encoded in UTF-8, and a byte that never occurs.
  const std::string raw =
      "a\x80"
      "b\xc0\xaf"
      "c\xe2\x82"
      "d\xed\xa0\x80"
      "\xff";
  EXPECT_EQ(ask(R"({"op":"is_valid_utf8","text":")" + raw + "\"}"),
            R"({"result":{"code":13,"message":")" + raw + "\"}}");
  EXPECT_EQ(ask(R"({"op":"language_code","address":")" + raw + "\"}"),
            R"({"result":")" + raw + "\"}");
  // Escapes arrive decoded, NUL included, and leave escaped again; UTF-8
  // leaves as it came.
  EXPECT_EQ(
      ask(R"({"op":"is_valid_utf8","text":"x\u0000y\"\\\n\u0001\u00e9\u20ac/"})"),
      "{\"result\":{\"code\":13,\"message\":"
      "\"x\\u0000y\\\"\\\\\\n\\u0001\xc3\xa9\xe2\x82\xac/\"}}");
}

TEST(Batch, DoublesRoundTripExactly) {
  const struct {
    const char* in;
    const char* out;
  } kCases[] = {
      {"0.1", "0.1"},
      {"51.500729", "51.500729"},
      {"1e-7", "1e-07"},
      {"-0.124625", "-0.124625"},
      {"5e-324", "5e-324"},
      {"4.9406564584124654e-324", "5e-324"},
      {"-0", "-0.0"},
      {"-0.0", "-0.0"},
      {"1e-400", "0.0"},
      {"12", "12.0"},
      {"18446744073709551617", "18446744073709551616.0"},
      {"0.30000000000000004", "0.30000000000000004"},
      {"-Infinity", "-Infinity"},
      {"NaN", "NaN"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    // distance answers b.lng - a.lng, and 0 is subtracted exactly.
    EXPECT_EQ(
        ask(R"({"op":"distance","a":{"lat":0,"lng":0},"b":{"lat":0,"lng":)" +
            std::string(c.in) + "}}"),
        "{\"result\":" + std::string(c.out) + "}");
  }

  // Random doubles, written exactly by the C library, must come back as the
  // same bits when read by it.
  const std::uint64_t seed = 7;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  std::mt19937_64 random(seed);
  for (int i = 0; i < 2000; ++i) {
    const std::uint64_t bits = random();
    double lng;
    std::memcpy(&lng, &bits, sizeof lng);
    if (!std::isfinite(lng)) continue;
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", lng);
    const std::string response =
        ask(R"({"op":"grid_square","lat":0,"lng":)" + std::string(text) + "}");
    const std::string prefix = R"({"result":{"sw":{"lat":0.0,"lng":)";
    ASSERT_EQ(response.compare(0, prefix.size(), prefix), 0) << response;
    const double back = std::strtod(response.c_str() + prefix.size(), nullptr);
    std::uint64_t back_bits;
    std::memcpy(&back_bits, &back, sizeof back_bits);
    ASSERT_EQ(back_bits, bits) << text << " -> " << response;
  }
}

TEST(Batch, LoopAnswersEveryLineInOrder) {
  const std::string input =
      "{\"op\":\"version\"}\n"
      "\n"
      "garbage\n"
      "{\"op\":\"country_code\",\"lat\":1,\"lng\":1}\r\n"
      "{\"op\":\"data_version\"}";  // no final line break
  EXPECT_EQ(run(input),
            "{\"result\":\"3.5.0-fake\"}\n" + usage("empty request") + "\n" +
                usage("request is not JSON: Invalid value. (at byte 0)") +
                "\n" + error_line("FileError", "Missing file: countries") +
                "\n{\"result\":\"fake data 1\"}\n");
  EXPECT_EQ(run(""), "");
}

TEST(Batch, HugeRequestsAreRefusedAndTheLoopGoesOn) {
  const std::string version = "{\"op\":\"version\"}";
  const std::string answer = "{\"result\":\"3.5.0-fake\"}\n";
  const std::string too_deep = std::string(1 << 20, '[');
  std::string too_many = "[0";
  for (std::size_t i = 0; i < kMaxRequestValues; ++i) too_many += ",0";
  too_many += "]";
  std::string too_long(kMaxRequestBytes + 1, ' ');
  too_long.back() = 'x';

  EXPECT_EQ(run(too_deep + "\n" + version + "\n"),
            usage("request nests deeper than 32 levels") + "\n" + answer);
  EXPECT_EQ(run(too_many + "\n" + version + "\n"),
            usage("request holds more than 4194304 values") + "\n" + answer);
  EXPECT_EQ(run(too_long + "\n" + version + "\n"),
            usage("request longer than 67108864 bytes") + "\n" + answer);
  // A line of exactly the limit is still read.
  std::string longest(kMaxRequestBytes, ' ');
  longest.replace(0, version.size(), version);
  EXPECT_EQ(run(longest + "\n"), answer);
}

}  // namespace
}  // namespace cli
}  // namespace tessera
