#include "core/format.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "gtest/gtest.h"

namespace tessera {
namespace core {
namespace {

TEST(Format, SixDecimals) {
  const struct {
    double value;
    const char* text;
  } kCases[] = {
      {91.0, "91.000000"},
      {-0.124625, "-0.124625"},
      {90.000001, "90.000001"},
      {-0.0, "-0.000000"},
      {0.0000004, "0.000000"},
      {2.5e-6, "0.000003"},
      {1e20, "100000000000000000000.000000"},
      {INFINITY, "inf"},
      {-INFINITY, "-inf"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(format_f(c.value), c.text);
  }
}

TEST(Format, LargestDoubleFits) {
  const std::string text = format_f(-DBL_MAX);
  EXPECT_EQ(text.size(), 317u);
  EXPECT_EQ(text.substr(0, 18), "-17976931348623157");
  EXPECT_EQ(text.substr(310), ".000000");
}

}  // namespace
}  // namespace core
}  // namespace tessera
