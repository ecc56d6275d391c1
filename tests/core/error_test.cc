#include "tessera/error.h"

#include <stdexcept>
#include <string>

#include "gtest/gtest.h"

namespace tessera {
namespace {

// Runs `throw_it` and returns the message of what it threw, after checking
// that it was caught as the expected type.
template <typename Expected, typename F>
std::string message_of(F throw_it) {
  try {
    throw_it();
  } catch (const Expected& e) {
    return e.what();
  } catch (...) {
    ADD_FAILURE() << "threw another type";
    return "";
  }
  ADD_FAILURE() << "did not throw";
  return "";
}

TEST(Error, RaiseThrowsEachTypeWithItsMessage) {
  EXPECT_EQ(message_of<Error>([] { Error::raise("disk on fire"); }),
            "disk on fire");
  EXPECT_EQ(message_of<FileError>([] { FileError::raise("no such file"); }),
            "no such file");
  EXPECT_EQ(message_of<InvalidArgumentError>(
                [] { InvalidArgumentError::raise("bad radius"); }),
            "bad radius");
  EXPECT_EQ(
      message_of<bad_optional_access>([] { bad_optional_access::raise(); }),
      "Bad Optional Access");
  EXPECT_STREQ(bad_optional_access::error_msg, "Bad Optional Access");
}

TEST(Error, LanguageNotAvailableWrapsTheCode) {
  const std::string expected = "Language 'xx' not available.";
  const auto raise = [] { LanguageNotAvalableError::raise("xx"); };
  EXPECT_EQ(message_of<LanguageNotAvalableError>(raise), expected);
  EXPECT_EQ(message_of<InvalidArgumentError>(raise), expected);
  EXPECT_EQ(message_of<Error>(raise), expected);
  EXPECT_EQ(message_of<std::runtime_error>(raise), expected);
}

TEST(Error, EveryTypeIsCaughtAsError) {
  EXPECT_EQ(message_of<Error>([] { FileError::raise("f"); }), "f");
  EXPECT_EQ(message_of<Error>([] { InvalidArgumentError::raise("i"); }), "i");
  EXPECT_EQ(message_of<Error>([] { bad_optional_access::raise(); }),
            "Bad Optional Access");
  EXPECT_EQ(message_of<std::runtime_error>([] { Error::raise("e"); }), "e");
}

}  // namespace
}  // namespace tessera
