#include "tessera/error_descriptor.h"

#include <cstdint>
#include <string>

#include "gtest/gtest.h"
#include "tessera/error.h"

namespace tessera {
namespace {

// The most derived engine type that assert_error_descriptor throws, and its
// message; "none" when it returns.
std::string outcome(const ErrorDescriptor& descriptor) {
  try {
    assert_error_descriptor(descriptor);
  } catch (const LanguageNotAvalableError& e) {
    return std::string("LanguageNotAvalableError: ") + e.what();
  } catch (const InvalidArgumentError& e) {
    return std::string("InvalidArgumentError: ") + e.what();
  } catch (const FileError& e) {
    return std::string("FileError: ") + e.what();
  } catch (const Error& e) {
    return std::string("Error: ") + e.what();
  }
  return "none";
}

TEST(ErrorDescriptor, CodeSelectsTheErrorThrown) {
  const struct {
    std::int32_t code;
    const char* expected;
  } kCases[] = {
      {1, "Error: msg"},
      {2, "FileError: msg"},
      {3, "InvalidArgumentError: msg"},
      // The message of a code-4 descriptor is taken as the language code.
      {4, "LanguageNotAvalableError: Language 'msg' not available."},
      {0, "none"},
      {5, "none"},
      {-1, "none"},
      {INT32_MAX, "none"},
      {INT32_MIN, "none"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(outcome({c.code, "msg"}), c.expected);
  }
}

}  // namespace
}  // namespace tessera
