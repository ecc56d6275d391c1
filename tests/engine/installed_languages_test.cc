#include "engine/installed_languages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "data/file_system.h"
#include "tessera/error.h"
#include "tessera/language.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace engine {
namespace {

void install_wordlist(const test::TempDir& dir, const std::string& code) {
  dir.write_file("languages/" + code + "/" + code + ".wordlist", "x");
}

std::vector<std::string> codes(const std::set<Language>& languages) {
  std::vector<std::string> result;
  for (const Language& language : languages) result.push_back(language.code);
  return result;
}

TEST(AvailableLanguages, ListsInstalledLanguagesInOrder) {
  const struct {
    const char* list;
    std::vector<std::string> expected;
  } kCases[] = {
      {"fr\nen\n", {"en", "fr"}},
      {"en\n\nfr", {"en", "fr"}},          // blank line, no final line end
      {"\n\nfr\nen\nfr\n", {"en", "fr"}},  // a duplicate counts once
      {"en\nde\nfr\n", {"en", "fr"}},      // no German wordlist
      {"de\n", {}},
      {"", {}},
  };
  test::TempDir dir;
  install_wordlist(dir, "en");
  install_wordlist(dir, "fr");
  const data::FileSystem file_system(dir.path());
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.list);
    dir.write_file("language_codes.txt", c.list);
    EXPECT_EQ(codes(get_available_languages_codes(file_system)), c.expected);
  }
}

// Lines end at "\n" only, so a "\r" makes the code ill-formed.
TEST(AvailableLanguages, RejectsIllFormedCode) {
  test::TempDir dir;
  install_wordlist(dir, "en");
  dir.write_file("language_codes.txt", "en\r\n");
  const data::FileSystem file_system(dir.path());
  // A code the file holds is the file's damage; one a caller gives is the
  // caller's fault.
  EXPECT_THROW(get_available_languages_codes(file_system), FileError);
  EXPECT_THROW(language_directory_exists(file_system, "en\r"),
               InvalidArgumentError);
  EXPECT_TRUE(language_directory_exists(file_system, "en"));
  EXPECT_FALSE(language_directory_exists(file_system, "fr"));
}

TEST(AvailableLanguages, MissingListThrowsFileError) {
  test::TempDir dir;
  install_wordlist(dir, "en");
  EXPECT_THROW(get_available_languages_codes(data::FileSystem(dir.path())),
               FileError);
}

}  // namespace
}  // namespace engine
}  // namespace tessera
