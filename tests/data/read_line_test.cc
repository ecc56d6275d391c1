#include "data/read_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "data/in_memory.h"
#include "data/on_disk.h"
#include "tessera/error.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace data {
namespace {

// Loads a framed file holding `payload`, followed by `trailing` bytes beyond
// its declared length, into a source of type Source.
template <typename Source>
class ReadLine : public ::testing::Test {
 protected:
  const Source& load(const std::string& payload,
                     const std::string& trailing = "") {
    std::string file(4, '\0');
    file[0] = static_cast<char>(4 + payload.size());
    file += payload + trailing;
    std::ifstream in(dir_.write_file("f.data", file), std::ios::binary);
    if constexpr (std::is_same_v<Source, InMemory>) {
      source_ = std::make_unique<Source>(in, ReadFileLengthFromFile{});
    } else {
      source_ = std::make_unique<Source>(std::move(in));
    }
    return *source_;
  }

 private:
  test::TempDir dir_;
  std::unique_ptr<Source> source_;
};

using Sources = ::testing::Types<InMemory, OnDisk>;
TYPED_TEST_SUITE(ReadLine, Sources);

TYPED_TEST(ReadLine, StopsAfterDelimiter) {
  const auto& source = this->load(std::string("abc\0\0x\ny", 8));
  typename TypeParam::View view(source);
  view.seek(4);
  EXPECT_EQ(read_line(view, '\0'), "abc");
  EXPECT_EQ(view.position(), 8);
  EXPECT_EQ(read_line(view, '\0'), "");
  EXPECT_EQ(read_line(view, '\n'), "x");
  EXPECT_EQ(view.position(), 11);
}

// A text cut off by the end of the data is rejected, even when the file goes
// on: the declared length is the end.
TYPED_TEST(ReadLine, RejectsTextWithoutDelimiter) {
  const auto& source = this->load("abc", std::string(1, '\0'));
  typename TypeParam::View view(source);
  view.seek(4);
  EXPECT_THROW(read_line(view, '\0'), FileError);
  view.seek(7);
  EXPECT_THROW(read_line(view, '\0'), FileError);
}

}  // namespace
}  // namespace data
}  // namespace tessera
