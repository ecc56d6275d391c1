#include "manifest/manifest.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "testing/fixture_data_set.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace manifest {
namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The digests of the FIPS 180-2 test messages these files hold.
constexpr char kEmptyDigest[] =
    "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";
constexpr char kAbcDigest[] =
    "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
constexpr char kLongDigest[] =
    "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1";

// A directory "set" of three files, one of them in a folder, with its
// manifest.
std::string write_small_set(const test::TempDir& dir) {
  dir.write_file("set/version.txt", std::string("abc"));
  dir.write_file(
      "set/languages/en/en.wordlist",
      std::string("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"));
  dir.write_file("set/data_format_version.txt", std::string());
  write_manifest(dir.file_path("set"));
  return dir.file_path("set");
}

TEST(Manifest, ListsEveryOtherFileSortedWithItsDigest) {
  test::TempDir dir;
  const std::string root = write_small_set(dir);
  const std::string expected =
      std::string(kEmptyDigest) + "  data_format_version.txt\n" + kLongDigest +
      "  languages/en/en.wordlist\n" + kAbcDigest + "  version.txt\n";
  EXPECT_EQ(read_file(root + "/SHA256SUMS"), expected);
  // Written again, it does not list itself.
  write_manifest(root);
  EXPECT_EQ(read_file(root + "/SHA256SUMS"), expected);
}

TEST(Manifest, Sha256sumChecksTheBuildersManifest) {
  const std::string& root = test::fixture_data_dir();
  const std::string command = "cd '" + root +
                              "' && sha256sum --check --strict --quiet "
                              "SHA256SUMS";
  EXPECT_EQ(std::system(command.c_str()), 0);

  // And it lists every file there is.
  std::size_t files = 0;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) ++files;
  }
  const std::string text = read_file(root + "/SHA256SUMS");
  EXPECT_EQ(
      static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
      files - 1);
}

// Changes one byte of the file `name` of `dir`.
void change_byte(const test::TempDir& dir, const std::string& name) {
  std::string bytes = read_file(dir.file_path(name));
  bytes[0] = static_cast<char>(bytes[0] ^ 1);
  dir.write_file(name, bytes);
}

void add_lines(const test::TempDir& dir, const std::string& lines) {
  dir.write_file("set/SHA256SUMS",
                 read_file(dir.file_path("set/SHA256SUMS")) + lines);
}

TEST(Manifest, CheckNamesEveryProblem) {
  const struct {
    const char* what;
    void (*change)(const test::TempDir& dir);
    std::vector<std::string> problems;
  } kCases[] = {
      {"intact", [](const test::TempDir&) {}, {}},
      {"a byte changed in two files",
       [](const test::TempDir& dir) {
         change_byte(dir, "set/version.txt");
         change_byte(dir, "set/languages/en/en.wordlist");
       },
       {"damaged file: languages/en/en.wordlist", "damaged file: version.txt"}},
      {"a file removed",
       [](const test::TempDir& dir) { dir.remove_file("set/version.txt"); },
       {"missing file: version.txt"}},
      {"a file added",
       [](const test::TempDir& dir) {
         dir.write_file("set/languages/fr/fr.wordlist", std::string("x"));
       },
       {"file not in SHA256SUMS: languages/fr/fr.wordlist"}},
      {"sha256sum's binary mode",
       [](const test::TempDir& dir) {
         std::string text = read_file(dir.file_path("set/SHA256SUMS"));
         for (std::size_t at = 0; (at = text.find("  ", at)) != text.npos;) {
           text.replace(at, 2, " *");
         }
         dir.write_file("set/SHA256SUMS", text);
       },
       {}},
      {"malformed lines",
       [](const test::TempDir& dir) {
         const std::string abc = kAbcDigest;
         std::string upper = abc;
         for (char& c : upper) c = static_cast<char>(std::toupper(c));
         add_lines(
             dir, upper + "  version.txt\n" +  // line 4
                      abc + " version.txt\n" + abc +
                      "  version.txt\n" +  // a second time
                      abc + "  /etc/passwd\n" + abc + "  ../set/version.txt\n" +
                      abc + "  languages/./en\n" + abc + "  SHA256SUMS\n" +
                      "\n" + abc.substr(1) + "  version.txt\n");  // line 12
       },
       {"line 4 of SHA256SUMS is malformed",
        "line 5 of SHA256SUMS is malformed",
        "line 6 of SHA256SUMS is malformed",
        "line 7 of SHA256SUMS is malformed",
        "line 8 of SHA256SUMS is malformed",
        "line 9 of SHA256SUMS is malformed",
        "line 10 of SHA256SUMS is malformed",
        "line 11 of SHA256SUMS is malformed",
        "line 12 of SHA256SUMS is malformed"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::string root = write_small_set(dir);
    c.change(dir);
    const ManifestCheck check = check_manifest(root);
    EXPECT_TRUE(check.found);
    EXPECT_EQ(check.problems, c.problems);
    EXPECT_EQ(check.intact(), c.problems.empty());
  }
}

TEST(Manifest, NoManifestIsNoProblemButNotIntact) {
  test::TempDir dir;
  const std::string root = write_small_set(dir);
  dir.remove_file("set/SHA256SUMS");
  const ManifestCheck check = check_manifest(root);
  EXPECT_FALSE(check.found);
  EXPECT_TRUE(check.problems.empty());
  EXPECT_FALSE(check.intact());
  EXPECT_FALSE(check_manifest(dir.file_path("missing")).found);
}

TEST(Manifest, RefusesPathsItWouldHaveToEscape) {
  for (const char* name : {"a\nb", "a\\b", "a\rb"}) {
    test::TempDir dir;
    dir.write_file(std::string("set/") + name, std::string("x"));
    EXPECT_THROW(write_manifest(dir.file_path("set")), std::runtime_error);
  }
}

}  // namespace
}  // namespace manifest
}  // namespace tessera
