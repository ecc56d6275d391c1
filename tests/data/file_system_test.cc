#include "data/file_system.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tessera/error.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace data {
namespace {

TEST(FileSystem, RootKeepsExactlyOneSeparator) {
  const struct {
    const char* path;
    const char* root;
  } kCases[] = {
      {"/usr/share/tsr", "/usr/share/tsr/"},
      {"/usr/share/tsr/", "/usr/share/tsr/"},
      {"/usr/share/tsr//", "/usr/share/tsr//"},
      {"", "/"},
      {"/", "/"},
      {"data\\", "data/"},
      {"data\\\\", "data\\/"},
      {"data\\/", "data\\/"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FileSystem(c.path).root(), c.root);
  }
}

TEST(FileSystem, MakeFileErrorText) {
  EXPECT_EQ(FileSystem::make_file_error("version.txt"),
            "Missing or invalid file: version.txt. Please check:\n"
            "   - The path to the tsr-data directory is correct. \n"
            "   - You are using an up-to-date tsr-data version.\n");
}

TEST(FileSystem, OpensFilesBelowTheRoot) {
  test::TempDir dir;
  dir.write_file("index/wordlist_index.data", std::string("a\r\n\0b", 5));
  const FileSystem file_system(dir.path() + "/");

  EXPECT_TRUE(file_system.exists("index/wordlist_index.data"));
  EXPECT_FALSE(file_system.exists("index/missing.data"));
  std::ifstream in = file_system.open("index/wordlist_index.data");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
            std::string("a\r\n\0b", 5));
}

// The message names the full path, so that a wrong directory shows.
TEST(FileSystem, OpenMissingFileThrowsWithFullPath) {
  test::TempDir dir;
  const FileSystem file_system(dir.path());
  const std::string full_path = dir.path() + "/attractiveness/blocks.data";
  try {
    file_system.open("attractiveness/blocks.data");
    FAIL() << "no exception";
  } catch (const FileError& error) {
    EXPECT_EQ(error.what(), FileSystem::make_file_error(full_path));
  }
}

}  // namespace
}  // namespace data
}  // namespace tessera
