#include "mkdata/find_nearest_place/syntax_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "testing/hex.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(SyntaxWriterTest, WritesCountThenCodeAndFlags) {
  EXPECT_EQ(syntax_file({}), test::from_hex("08000000 00000000"));
  EXPECT_EQ(syntax_file({{"de", 7}, {"ja", 0}}),
            test::from_hex("10000000 02000000 6465 0700 6A61 0000"));
}

TEST(SyntaxWriterTest, RejectsBadCodesAndFlags) {
  const JoiningRule kBad[] = {
      {"eng", 1}, {"ZZ", 1}, {"x", 1}, {"xx", 1}, {"de", 8}};
  for (const JoiningRule& rule : kBad) {
    SCOPED_TRACE(rule.language_code);
    EXPECT_THROW(syntax_file({rule}), std::invalid_argument);
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
