#include "data/file_bytes.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tessera/error.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace data {
namespace {

TEST(FileBytes, ReadsWholeFilesUpToTheirLimit) {
  const std::string text(200000, 'x');
  std::istringstream in(text);
  const FileBytes file = read_all(in, 200000, "f.data");
  EXPECT_EQ(file.bytes.size(), 200000u);
  EXPECT_EQ(file.name, "f.data");

  for (std::size_t limit : {0u, 1u, 65536u, 199999u}) {
    SCOPED_TRACE(limit);
    std::istringstream over(text);
    EXPECT_THROW(read_all(over, limit, "f.data"), FileError);
  }
  std::istringstream empty("");
  EXPECT_TRUE(read_all(empty, 0, "e").bytes.empty());
}

TEST(FileBytes, OpensFilesOfTheDataDirectory) {
  test::TempDir dir;
  dir.write_file("a/b.txt", "10");
  const FileSystem files(dir.path());
  EXPECT_EQ(read_file_bytes(files, "a/b.txt", 10).text(), "10");
  EXPECT_THROW(read_file_bytes(files, "a/c.txt", 10), FileError);
}

}  // namespace
}  // namespace data
}  // namespace tessera
