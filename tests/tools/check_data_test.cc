// `tessera check-data` on damaged copies of the fixture data set, with the
// real engines.
#include "cli/check_data.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "manifest/manifest.h"
#include "tessera/engine.h"
#include "testing/fixture_data_set.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace cli {
namespace {

using testing::HasSubstr;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome check(const std::string& dir) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const int status = check_data(
      dir, Console{in, out, err},
      [](EngineKind kind, const std::string& data_dir) {
        return kind == EngineKind::kServer ? new_server_engine(data_dir)
                                           : new_device_engine(data_dir);
      });
  return {status, out.str(), err.str()};
}

// A copy of the fixture data set in `dir`, for a test to damage.
std::string copy_fixture(const test::TempDir& dir) {
  const std::string copy = dir.file_path("data");
  std::filesystem::copy(test::fixture_data_dir(), copy,
                        std::filesystem::copy_options::recursive);
  return copy;
}

// Flips one bit of the byte in the middle of `path`.
void change_byte(const std::string& path) {
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  file.seekg(0, std::ios::end);
  const std::streamoff middle = file.tellg() / 2;
  file.seekg(middle);
  const char byte = static_cast<char>(file.get() ^ 1);
  file.seekp(middle);
  file.put(byte);
  ASSERT_TRUE(file.good()) << path;
}

TEST(CheckData, IntactCopyIsVerified) {
  test::TempDir dir;
  const Outcome outcome = check(copy_fixture(dir));
  EXPECT_EQ(outcome.status, kExitSuccess);
  EXPECT_EQ(outcome.out, "0\n");
  EXPECT_EQ(outcome.err, "");
}

TEST(CheckData, NamesEachDamagedFile) {
  test::TempDir dir;
  const std::string data = copy_fixture(dir);
  change_byte(data + "/languages/de/de.wordlist");
  change_byte(data + "/countries/countries.data");
  const Outcome outcome = check(data);
  EXPECT_EQ(outcome.status, kExitFailure);
  EXPECT_THAT(outcome.err,
              HasSubstr("tessera: damaged file: countries/countries.data\n"));
  EXPECT_THAT(outcome.err,
              HasSubstr("tessera: damaged file: languages/de/de.wordlist\n"));
}

TEST(CheckData, NamesAMissingFile) {
  test::TempDir dir;
  const std::string data = copy_fixture(dir);
  std::filesystem::remove(data + "/languages/en/en.wordlist");
  const Outcome outcome = check(data);
  EXPECT_EQ(outcome.status, kExitFailure);
  EXPECT_THAT(outcome.err,
              HasSubstr("tessera: missing file: languages/en/en.wordlist\n"));
  // Neither engine loads without it.
  EXPECT_THAT(outcome.err,
              HasSubstr("tessera: the device engine cannot load the data: "));
  EXPECT_THAT(outcome.err,
              HasSubstr("tessera: the server engine cannot load the data: "));
}

TEST(CheckData, DataThatDoesNotLoadFailsDespiteItsManifest) {
  test::TempDir dir;
  const std::string data = copy_fixture(dir);
  std::filesystem::resize_file(data + "/attractiveness/blocks.data", 3);
  manifest::write_manifest(data);
  const Outcome outcome = check(data);
  EXPECT_EQ(outcome.status, kExitFailure);
  EXPECT_EQ(outcome.out, "0\n");
  EXPECT_THAT(outcome.err,
              HasSubstr("tessera: the device engine cannot load the data: "));
  EXPECT_THAT(outcome.err,
              HasSubstr("tessera: the server engine cannot load the data: "));
  EXPECT_THAT(outcome.err, testing::Not(HasSubstr("file:")));
}

TEST(CheckData, DataWithoutManifestCannotBeVerified) {
  test::TempDir dir;
  const std::string data = copy_fixture(dir);
  std::filesystem::remove(data + "/SHA256SUMS");
  const Outcome outcome = check(data);
  EXPECT_EQ(outcome.status, kExitNoResult);
  EXPECT_EQ(outcome.out, "0\n");
  EXPECT_EQ(outcome.err, "tessera: no SHA256SUMS in " + data +
                             ": the integrity of the data cannot be "
                             "verified\n");
}

TEST(CheckData, HelpGivesTheExitStatuses) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const int status =
      run_tool({"check-data", "--help"}, Console{in, out, err},
               [](EngineKind, const std::string&) -> std::unique_ptr<Engine> {
                 ADD_FAILURE() << "no engine is needed for help";
                 return nullptr;
               });
  EXPECT_EQ(status, kExitSuccess);
  EXPECT_THAT(out.str(), HasSubstr("SHA256SUMS"));
  EXPECT_THAT(out.str(), HasSubstr("Exit status: 0 when everything is"));
}

}  // namespace
}  // namespace cli
}  // namespace tessera
