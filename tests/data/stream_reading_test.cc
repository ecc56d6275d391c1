#include "data/stream_reading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tessera/error.h"
#include "testing/hex.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace data {
namespace {

using test::bytes_from_hex;

TEST(StreamReading, ReadEntireFileKeepsEveryByte) {
  test::TempDir dir;
  const std::string path = dir.write_file("version.txt", "10\n");
  EXPECT_EQ(read_entire_file(std::ifstream(path, std::ios::binary)), "10\n");
  const std::string bytes("a\r\n\0\xff", 5);
  EXPECT_EQ(read_entire_file(std::istringstream(bytes)), bytes);
  EXPECT_EQ(read_entire_file(std::istringstream("")), "");
}

TEST(StreamReading, ReadVectorDecodesSigned16BitValues) {
  std::istringstream in(bytes_from_hex("0100 ffff 0080 ff7f 3412 2a00"));
  EXPECT_EQ(read_vector<short>(in, 4),
            std::vector<short>({1, -1, -32768, 32767}));
  EXPECT_EQ(read_vector<short>(in, 0), std::vector<short>());
  EXPECT_EQ(read_vector<short>(in, 2), std::vector<short>({0x1234, 42}));
}

// Every truncation is rejected: a short stream never gives a partly filled
// vector.
TEST(StreamReading, ReadVectorRejectsShortStream) {
  const std::string bytes = bytes_from_hex("0100 0200 0300");
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    SCOPED_TRACE(size);
    std::istringstream in(bytes.substr(0, size));
    EXPECT_THROW(read_vector<short>(in, 3), FileError);
  }
  std::istringstream in(bytes);
  EXPECT_THROW(read_vector<short>(in, -1), std::length_error);
}

}  // namespace
}  // namespace data
}  // namespace tessera
