#include "data/integrity.h"

#include <gtest/gtest.h>

#include "tessera/error.h"

namespace tessera {
namespace data {
namespace {

TEST(Integrity, ThrowsFileErrorWithTheCorruptionMessage) {
  try {
    integrity_failure("node 17 points past the end of the file");
    FAIL() << "integrity_failure returned";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(),
                 "Integrity failure (data files corrupted): node 17 points "
                 "past the end of the file.");
  }
}

}  // namespace
}  // namespace data
}  // namespace tessera
