#include "data/framing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "tessera/error.h"
#include "testing/hex.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace data {
namespace {

using test::bytes_from_hex;
using ::testing::StartsWith;

constexpr char kIntegrityPrefix[] =
    "Integrity failure (data files corrupted): ";

std::ifstream open_binary(const std::string& path) {
  return std::ifstream(path, std::ios::binary);
}

// Loads `path` both ways; returns the FileError message, or "" when both
// load. Both sources must agree on whether the file is acceptable.
std::string load_error(const std::string& path) {
  std::string in_memory_error;
  std::string on_disk_error;
  try {
    std::ifstream in = open_binary(path);
    InMemory source(in, ReadFileLengthFromFile{});
  } catch (const FileError& error) {
    in_memory_error = error.what();
  }
  try {
    const std::filesystem::path p(path);
    OnDisk source(FileSystem(p.parent_path().string()), p.filename().string());
  } catch (const FileError& error) {
    on_disk_error = error.what();
  }
  EXPECT_EQ(in_memory_error.empty(), on_disk_error.empty());
  return in_memory_error;
}

TEST(Framing, ReadsLengthAndSeeksBackToStart) {
  std::istringstream in(bytes_from_hex("0c000000 ffffffff 01020304"));
  EXPECT_EQ(read_length_from_istream_and_reset(in, "f.data"), 12);
  EXPECT_EQ(in.tellg(), 0);
}

// Every truncation of a framed file is rejected, never read past.
TEST(Framing, RejectsEveryTruncation) {
  const std::string file = bytes_from_hex("0c000000 05060708 090a0b0c");
  test::TempDir dir;
  for (std::size_t size = 0; size < file.size(); ++size) {
    SCOPED_TRACE(size);
    const std::string path = dir.write_file("f.data", file.substr(0, size));
    EXPECT_THAT(load_error(path), StartsWith(kIntegrityPrefix));
  }
  const std::string path = dir.write_file("f.data", file);
  EXPECT_EQ(load_error(path), "");
}

TEST(Framing, LoadsOnlyTheDeclaredLength) {
  test::TempDir dir;
  const std::string path =
      dir.write_file("f.data", bytes_from_hex("06000000 0102 0304"));
  std::ifstream in = open_binary(path);
  const InMemory in_memory(in, ReadFileLengthFromFile{});
  EXPECT_EQ(std::vector<std::uint8_t>(in_memory.data(),
                                      in_memory.data() + in_memory.size()),
            std::vector<std::uint8_t>({6, 0, 0, 0, 1, 2}));
  EXPECT_EQ(OnDisk(FileSystem(dir.path()), "f.data").size(), 6);
}

TEST(Framing, AcceptsLengthUpTo16MiB) {
  test::TempDir dir;
  // Sparse files: only the length field is written, the rest is zeros.
  const std::string largest =
      dir.write_file("largest.data", bytes_from_hex("00000001"));
  std::filesystem::resize_file(largest, 16777216);
  EXPECT_EQ(load_error(largest), "");
  std::ifstream in = open_binary(largest);
  EXPECT_EQ(InMemory(in, ReadFileLengthFromFile{}).size(), 16777216);

  const std::string over =
      dir.write_file("over.data", bytes_from_hex("01000001"));
  std::filesystem::resize_file(over, 16777217);
  EXPECT_EQ(load_error(over),
            "Data file corrupted. First 4 bytes do not supply a length. This "
            "may be due to an over-large file.");
}

TEST(Framing, RejectsLengthsBelowTheFieldItself) {
  test::TempDir dir;
  for (const char* field : {"ffffffff", "00000080", "00000000", "03000000"}) {
    SCOPED_TRACE(field);
    // Enough bytes follow that only the length value is at fault.
    const std::string path =
        dir.write_file("f.data", bytes_from_hex(field) + std::string(16, '\0'));
    EXPECT_THAT(load_error(path), StartsWith(kIntegrityPrefix));
  }
}

}  // namespace
}  // namespace data
}  // namespace tessera
