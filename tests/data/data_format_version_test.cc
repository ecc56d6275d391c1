#include "data/data_format_version.h"

#include <gtest/gtest.h>

#include <string>

#include "data/file_system.h"
#include "tessera/error.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace data {
namespace {

TEST(DataFormatVersion, AcceptsExactlyTen) {
  const ErrorDescriptor valid = is_data_format_version_valid("10");
  EXPECT_EQ(valid.code, 0);
  EXPECT_EQ(valid.message, "");
  EXPECT_NO_THROW(verify_data_format_version("10"));
}

// The text is compared byte for byte: nothing is trimmed.
TEST(DataFormatVersion, RejectsAnyOtherText) {
  const struct {
    std::string version;
    const char* message;
  } kCases[] = {
      {"10\n",
       "Version \"3.5.0\" of the SDK expects tsr-data with data format "
       "version \"10\". Instead, version \"10\n\" was supplied. Please contact "
       "tessera ltd. for an updated data version."},
      {"9",
       "Version \"3.5.0\" of the SDK expects tsr-data with data format "
       "version \"10\". Instead, version \"9\" was supplied. Please contact "
       "tessera ltd. for an updated data version."},
      {"", nullptr},
      {" 10", nullptr},
      {"100", nullptr},
      {std::string("10\0", 3), nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.version);
    const ErrorDescriptor invalid = is_data_format_version_valid(c.version);
    EXPECT_EQ(invalid.code, 2);
    if (c.message != nullptr) {
      EXPECT_EQ(invalid.message, c.message);
    }
    try {
      verify_data_format_version(c.version);
      ADD_FAILURE() << "no exception";
    } catch (const FileError& error) {
      EXPECT_STREQ(error.what(), invalid.message.c_str());
    }
  }
}

TEST(DataFormatVersion, ReadsFileUnchanged) {
  test::TempDir dir;
  const FileSystem file_system(dir.path());
  EXPECT_THROW(read_data_format_version(file_system), FileError);
  dir.write_file("data_format_version.txt", "10\r\n");
  EXPECT_EQ(read_data_format_version(file_system), "10\r\n");
}

}  // namespace
}  // namespace data
}  // namespace tessera
