#include "tessera/data_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/data_format_version.h"
#include "data/file_system.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace {

// Every file the check looks for, in the order it looks. The languages are
// listed out of order in the file; they are checked in code order.
const std::vector<std::string> kCheckedFiles = {
    "data_format_version.txt",
    "language_codes.txt",
    "attractiveness/blocks.data",
    "excluded/excluded_small_rectangles.data",
    "excluded/excluded_large_strips.data",
    "normalisation/ntable.data",
    "index/wordlist_index.data",
    "nearest_place_finder/places.data",
    "nearest_place_finder/kdtree.data",
    "nearest_place_finder/syntax.data",
    "countries/countries.data",
    "version.txt",
    "languages/de/de.block_order",
    "languages/de/de.autosuggest",
    "languages/fr/fr.block_order",
    "languages/fr/fr.autosuggest",
};

class DataPath : public ::testing::Test {
 protected:
  DataPath() {
    for (const std::string& name : kCheckedFiles) write(name);
    write("languages/de/de.wordlist");
    write("languages/fr/fr.wordlist");
  }

  void write(const std::string& name) {
    std::string content = "x";
    if (name == "data_format_version.txt") content = "10";
    if (name == "language_codes.txt") content = "fr\nde\n";
    dir_.write_file(name, content);
  }

  test::TempDir dir_;
};

void expect_descriptor(const ErrorDescriptor& actual, int code,
                       const std::string& message) {
  EXPECT_EQ(actual.code, code);
  EXPECT_EQ(actual.message, message);
}

TEST_F(DataPath, AcceptsCompleteDirectory) {
  expect_descriptor(is_valid_data_path(dir_.path()), 0, "");
  expect_descriptor(is_valid_data_path(dir_.path() + "/"), 0, "");
}

// With every file missing, each one restored in turn lets the check move on
// to the next, and the message names it relative to the directory.
TEST_F(DataPath, NamesFirstMissingFileInCheckOrder) {
  for (const std::string& name : kCheckedFiles) dir_.remove_file(name);
  for (const std::string& name : kCheckedFiles) {
    SCOPED_TRACE(name);
    expect_descriptor(is_valid_data_path(dir_.path()), 2,
                      data::FileSystem::make_file_error(name));
    write(name);
  }
  expect_descriptor(is_valid_data_path(dir_.path()), 0, "");
}

TEST_F(DataPath, ReportsWrongFormatVersion) {
  dir_.write_file("data_format_version.txt", "10\n");
  dir_.remove_file("version.txt");
  const ErrorDescriptor expected = data::is_data_format_version_valid("10\n");
  expect_descriptor(is_valid_data_path(dir_.path()), 2, expected.message);
}

// Only installed languages (those with a wordlist) need their other files.
TEST_F(DataPath, IgnoresLanguagesWithoutWordlist) {
  dir_.write_file("language_codes.txt", "fr\nde\nen\n");
  dir_.remove_file("languages/de/de.wordlist");
  dir_.remove_file("languages/de/de.block_order");
  expect_descriptor(is_valid_data_path(dir_.path()), 0, "");
  dir_.write_file("language_codes.txt", "");
  expect_descriptor(is_valid_data_path(dir_.path()), 0, "");
}

// A damaged list is the file's fault: code 2, naming the list.
TEST_F(DataPath, IllFormedLanguageCodeIsReportedNotThrown) {
  dir_.write_file("language_codes.txt", "fr\r\nde\n");
  expect_descriptor(is_valid_data_path(dir_.path()), 2,
                    "Integrity failure (data files corrupted): "
                    "language_codes.txt: 'fr\\x0d' is not an ISO 639-1 "
                    "language code.");
}

TEST_F(DataPath, RejectsOverLongPath) {
  expect_descriptor(is_valid_data_path(std::string(262145, 'a')), 3,
                    "An extremely long string has been passed as an argument "
                    "to an SDK function.");
  // The longest accepted path goes on to the file checks.
  EXPECT_EQ(is_valid_data_path(std::string(262144, 'a')).code, 2);
}

}  // namespace
}  // namespace tessera
