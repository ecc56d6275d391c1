// Damaged data files, one at a time: every data file of the standard data
// set cut at several lengths, and every count it holds set beyond what the
// file can hold. Each damage must end in a FileError, when the engine loads
// or when a query meets it, and never in a different answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tessera/engine.h"
#include "tessera/error.h"
#include "testing/fixture_data_set.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

using Factory = std::unique_ptr<Engine> (*)(std::string);

std::unique_ptr<Engine> device(std::string path) {
  return new_device_engine(std::move(path));
}
std::unique_ptr<Engine> server(std::string path) {
  return new_server_engine(std::move(path));
}

// Every regular file of the fixture, relative to its root.
std::vector<std::string> fixture_files() {
  std::vector<std::string> names;
  const fs::path root(test::fixture_data_dir());
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      names.push_back(fs::relative(entry.path(), root).generic_string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A copy of the fixture whose files are links to the original, but for one
// file that the test writes itself.
class DamagedCopy {
 public:
  DamagedCopy(const std::string& damaged, const std::string& bytes) {
    const fs::path root(test::fixture_data_dir());
    for (const std::string& name : fixture_files()) {
      if (name == damaged) continue;
      const fs::path link = fs::path(dir_.path()) / name;
      fs::create_directories(link.parent_path());
      fs::create_symlink(root / name, link);
    }
    dir_.write_file(damaged, bytes);
  }
  const std::string& path() const { return dir_.path(); }

 private:
  test::TempDir dir_;
};

// What an engine answers to a fixed list of queries: one text per query,
// "-" for no answer. A query that throws FileError answers "FileError"; one
// that finds its language not installed answers "unavailable".
std::vector<std::string> answers(const Engine& engine) {
  std::vector<std::string> out;
  const auto ask = [&out](const std::function<std::string()>& query) {
    try {
      out.push_back(query());
    } catch (const FileError&) {
      out.push_back("FileError");
    } catch (const LanguageNotAvalableError&) {
      out.push_back("unavailable");
    }
  };
  const auto text = [](const Optional<std::string>& value) {
    return value.has_value() ? *value : std::string("-");
  };
  for (int i = 0; i < 48; ++i) {
    // Over the fixture's land, its countries and the sea.
    const Coordinates p(-80.0 + 3.41 * i, -175.0 + 7.37 * i);
    for (const char* code : {"en", "de", "ja"}) {
      ask([&] {
        const Optional<std::string> address = engine.convert_to_3wa(p, code);
        if (!address) return std::string("-");
        const Optional<Coordinates> back =
            engine.convert_to_coordinates(*address);
        return *address + " " +
               (back ? std::to_string(back->lat) + "," +
                           std::to_string(back->lng)
                     : std::string("-"));
      });
    }
    ask([&] { return text(engine.nearest_place(p, "de")); });
    ask([&] { return text(engine.nearest_place(p, "ja")); });
    ask([&] { return engine.country_code(p); });
  }
  return out;
}

const std::vector<std::string>& intact_answers(Factory load) {
  static const std::vector<std::string> device_answers =
      answers(*device(test::fixture_data_dir()));
  static const std::vector<std::string> server_answers =
      answers(*server(test::fixture_data_dir()));
  return load == &device ? device_answers : server_answers;
}

// Loads the damaged copy with both engines: each either refuses it with a
// FileError, or answers every query as the intact data set does or with a
// FileError. A cut language list is still a list, of fewer languages: the
// queries in the languages it no longer names fail loudly instead.
void expect_no_silent_change(const std::string& damaged,
                             const std::string& bytes) {
  const DamagedCopy copy(damaged, bytes);
  for (Factory load : {&device, &server}) {
    SCOPED_TRACE(load == &device ? "device" : "server");
    std::unique_ptr<Engine> engine;
    try {
      engine = load(copy.path());
    } catch (const FileError&) {
      continue;
    }
    const std::vector<std::string> got = answers(*engine);
    const std::vector<std::string>& expected = intact_answers(load);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t q = 0; q < got.size(); ++q) {
      const bool list_cut = damaged == "language_codes.txt";
      if (got[q] != "FileError" && !(list_cut && got[q] == "unavailable")) {
        EXPECT_EQ(got[q], expected[q]) << "query " << q;
      }
    }
  }
}

TEST(DataDamage, CuttingAnyFileNeverChangesAnAnswer) {
  for (const std::string& name : fixture_files()) {
    const std::string whole =
        read_file((fs::path(test::fixture_data_dir()) / name).string());
    std::vector<std::size_t> lengths = {
        0, 1, 3, 4, 8, 16, whole.size() / 2, whole.size() - 1};
    for (std::size_t length : lengths) {
      if (length >= whole.size()) continue;
      SCOPED_TRACE(testing::Message() << name << " cut to " << length);
      expect_no_silent_change(name, whole.substr(0, length));
    }
  }
}

TEST(DataDamage, CountsBeyondTheFileAreRefused) {
  // A count field of each file, given values its file cannot hold.
  const struct {
    const char* file;
    std::size_t offset;
    int width;
  } kCounts[] = {
      {"attractiveness/blocks.data", 0, 2},
      {"attractiveness/blocks.data", 2, 4},
      {"excluded/excluded_small_rectangles.data", 0, 4},
      {"excluded/excluded_large_strips.data", 0, 4},
      {"index/wordlist_index.data", 16, 4},
      {"languages/de/de.wordlist", 4, 4},
      {"nearest_place_finder/kdtree.data", 4, 4},
      {"nearest_place_finder/kdtree.data", 8, 4},
      {"nearest_place_finder/kdtree.data", 12, 4},
      {"nearest_place_finder/places.data", 8, 4},
      {"nearest_place_finder/places.data", 12, 4},
      {"nearest_place_finder/syntax.data", 4, 4},
      {"countries/countries.data", 36, 4},
      {"countries/countries.data", 40, 4},
      {"countries/countries.data", 44, 4},
  };
  for (const auto& c : kCounts) {
    const std::string whole =
        read_file((fs::path(test::fixture_data_dir()) / c.file).string());
    for (std::uint32_t value : {0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu}) {
      SCOPED_TRACE(testing::Message()
                   << c.file << " offset " << c.offset << " = " << value);
      std::string damaged = whole;
      for (int b = 0; b < c.width; ++b) {
        damaged[c.offset + b] = static_cast<char>(value >> (8 * b));
      }
      expect_no_silent_change(c.file, damaged);
    }
  }
}

}  // namespace
}  // namespace tessera
