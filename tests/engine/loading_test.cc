// Loading a data directory into either engine: what each kind of missing or
// damaged directory reports, and in which order the loaders look.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "tessera/engine.h"
#include "tessera/error.h"
#include "testing/fixture_data_set.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

using Factory = std::function<std::unique_ptr<Engine>(std::string)>;

const Factory kDevice = [](std::string path) {
  return new_device_engine(std::move(path));
};
const Factory kServer = [](std::string path) {
  return new_server_engine(std::move(path));
};

// A private copy of the standard data set that a test may damage.
class DataCopy {
 public:
  DataCopy() {
    fs::copy(
        test::fixture_data_dir(), dir_.path(),
        fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  const std::string& path() const { return dir_.path(); }
  void write(const std::string& name, const std::string& text) const {
    dir_.write_file(name, text);
  }
  void remove(const std::string& name) const { dir_.remove_file(name); }
  void truncate(const std::string& name, std::uintmax_t size) const {
    fs::resize_file(dir_.file_path(name), size);
  }

 private:
  test::TempDir dir_;
};

// The message of the error `load` throws, prefixed with its class.
std::string load_error(const Factory& load, const std::string& path) {
  try {
    load(path);
    return "<loaded>";
  } catch (const LanguageNotAvalableError& e) {
    return std::string("LanguageNotAvalableError: ") + e.what();
  } catch (const InvalidArgumentError& e) {
    return std::string("InvalidArgumentError: ") + e.what();
  } catch (const FileError& e) {
    return std::string("FileError: ") + e.what();
  } catch (const std::exception& e) {
    return std::string("other: ") + e.what();
  }
}

std::string missing(const std::string& root, const std::string& name) {
  return "FileError: Missing or invalid file: " + root + "/" + name +
         ". Please check:\n"
         "   - The path to the tsr-data directory is correct. \n"
         "   - You are using an up-to-date tsr-data version.\n";
}

TEST(EngineLoadingTest, DirectoryFaultsGiveTheirErrorsInBothEngines) {
  const struct {
    const char* what;
    std::function<void(const DataCopy&)> damage;
    std::string expected_prefix;  // or the whole message when it ends in "."
  } kCases[] = {
      {"intact", [](const DataCopy&) {}, "<loaded>"},
      {"format version 9",
       [](const DataCopy& d) { d.write("data_format_version.txt", "9"); },
       "FileError: "},
      {"no English wordlist",
       [](const DataCopy& d) { d.remove("languages/en/en.wordlist"); },
       "FileError: Language pack for English is not found."},
      {"English not listed",
       [](const DataCopy& d) { d.write("language_codes.txt", "de\nja\n"); },
       "FileError: Language pack for English is not found."},
      {"ill-formed language line",
       [](const DataCopy& d) { d.write("language_codes.txt", "en\nEN\n"); },
       "FileError: Integrity failure (data files corrupted): "
       "language_codes.txt: 'EN' is not an ISO 639-1 language code."},
      {"truncated wordlist",
       [](const DataCopy& d) { d.truncate("languages/ja/ja.wordlist", 100); },
       "FileError: "},
      {"truncated attractiveness",
       [](const DataCopy& d) {
         d.truncate("attractiveness/blocks.data", 5000);
       },
       "FileError: Integrity failure (data files corrupted): "},
      {"truncated countries",
       [](const DataCopy& d) { d.truncate("countries/countries.data", 40); },
       "FileError: "},
      {"empty k-d tree",
       [](const DataCopy& d) {
         d.write("nearest_place_finder/kdtree.data", "");
       },
       "FileError: "},
  };
  for (const auto& c : kCases) {
    for (const Factory* load : {&kDevice, &kServer}) {
      SCOPED_TRACE(testing::Message()
                   << c.what << (load == &kDevice ? " (device)" : " (server)"));
      const DataCopy data;
      c.damage(data);
      const std::string error = load_error(*load, data.path());
      EXPECT_EQ(error.substr(0, c.expected_prefix.size()), c.expected_prefix)
          << error;
    }
  }
}

TEST(EngineLoadingTest, MissingFilesAreNamedWithTheirPath) {
  for (const char* name :
       {"data_format_version.txt", "excluded/excluded_large_strips.data",
        "normalisation/ntable.data", "index/wordlist_index.data",
        "languages/de/de.block_order", "nearest_place_finder/syntax.data",
        "countries/countries.data", "version.txt"}) {
    for (const Factory* load : {&kDevice, &kServer}) {
      SCOPED_TRACE(name);
      const DataCopy data;
      data.remove(name);
      EXPECT_EQ(load_error(*load, data.path()), missing(data.path(), name));
    }
  }
}

TEST(EngineLoadingTest, BothEnginesCheckForEnglishBeforeTheLargeFiles) {
  const DataCopy data;
  data.remove("languages/en/en.wordlist");
  data.remove("attractiveness/blocks.data");
  for (const Factory* load : {&kDevice, &kServer}) {
    EXPECT_EQ(load_error(*load, data.path()),
              "FileError: Language pack for English is not found.");
  }
}

TEST(EngineLoadingTest, LongPathsAreRejectedBeforeAnyFileIsRead) {
  const std::string too_long(262145, 'd');
  const std::string longest(262144, 'd');
  for (const Factory* load : {&kDevice, &kServer}) {
    EXPECT_EQ(load_error(*load, too_long),
              "InvalidArgumentError: An extremely long string has been passed "
              "as an argument to an SDK function.");
    EXPECT_EQ(load_error(*load, longest).substr(0, 11), "FileError: ");
  }
}

TEST(EngineLoadingTest, DataVersionIsTheFirstWordOfItsFile) {
  const struct {
    const char* file;
    const char* version;
  } kCases[] = {{"release-7\n", "release-7"}, {"  two words", "two"}, {"", ""}};
  for (const auto& c : kCases) {
    const DataCopy data;
    data.write("version.txt", c.file);
    EXPECT_EQ(new_device_engine(data.path())->data_version(), c.version);
    EXPECT_EQ(new_server_engine(data.path())->data_version(), c.version);
  }
}

}  // namespace
}  // namespace tessera
