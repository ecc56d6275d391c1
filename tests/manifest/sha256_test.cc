#include "manifest/sha256.h"

#include <stdexcept>
#include <string>

#include "gtest/gtest.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace manifest {
namespace {

// The test vectors of FIPS 180-2, appendix B.
const struct {
  std::string text;
  const char* digest;
} kVectors[] = {
    {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    // Longer than the piece a file is read in.
    {std::string(1000000, 'a'),
     "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
};

TEST(Sha256, MatchesPublishedVectors) {
  for (const auto& v : kVectors) {
    SCOPED_TRACE(v.text.substr(0, 10));
    EXPECT_EQ(sha256_hex(v.text), v.digest);
  }
}

TEST(Sha256, DigestsFiles) {
  test::TempDir dir;
  for (const auto& v : kVectors) {
    SCOPED_TRACE(v.text.substr(0, 10));
    EXPECT_EQ(sha256_file_hex(dir.write_file("f", v.text)), v.digest);
  }
  EXPECT_THROW(sha256_file_hex(dir.file_path("missing")), std::runtime_error);
}

}  // namespace
}  // namespace manifest
}  // namespace tessera
