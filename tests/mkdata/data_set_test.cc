// The standard data set as the engine's readers see it: every file loads,
// positions and word numbers convert both ways, and every word is found.
#include "mkdata/data_set.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "algorithm/attr_data.h"
#include "algorithm/excluded_areas.h"
#include "algorithm/excluded_format.h"
#include "algorithm/grid_square.h"
#include "algorithm/read_attr_data.h"
#include "algorithm/three_numbers.h"
#include "core/utf16.h"
#include "data/file_system.h"
#include "data/in_memory.h"
#include "data/on_disk.h"
#include "normalise/normaliser.h"
#include "tessera/data_path.h"
#include "testing/fixture_data_set.h"
#include "wordlist/located_all_wordlists.h"
#include "wordlist/located_wordlist.h"
#include "wordlist/located_wordlist_index.h"

namespace tessera {
namespace {

using data::InMemory;
using data::OnDisk;

// Columns of land in the data set: every cell outside the sea block.
constexpr std::int64_t kLandColumns = 10'016'186'539;

std::string path_of(const std::string& code) {
  return "languages/" + code + "/" + code;
}

template <typename Source>
Source open_source(const data::FileSystem& files, const std::string& name);

template <>
InMemory open_source<InMemory>(const data::FileSystem& files,
                               const std::string& name) {
  std::ifstream in = files.open(name);
  return InMemory(in, data::ReadFileLengthFromFile{});
}

template <>
OnDisk open_source<OnDisk>(const data::FileSystem& files,
                           const std::string& name) {
  return OnDisk(files.open(name));
}

// The fixture's files loaded through the readers, as an engine would.
template <typename Source>
struct LoadedDataSet {
  LoadedDataSet()
      : files(test::fixture_data_dir()),
        normaliser(normalise::read_normaliser(
            files.open("normalisation/ntable.data"))),
        excluded(algorithm::read_excluded_areas(
            files.open("excluded/excluded_small_rectangles.data"),
            files.open("excluded/excluded_large_strips.data"))) {
    auto shared = algorithm::read_shared_attr_data(
        files.open("attractiveness/blocks.data"));
    std::map<Language, wordlist::LocatedWordlist<Source>> wordlists;
    for (const char* code : {"en", "de", "ja"}) {
      const Language language(code);
      attr.emplace(language,
                   algorithm::read_attr_data(
                       shared, files.open(path_of(code) + ".block_order")));
      wordlists.emplace(language,
                        wordlist::LocatedWordlist<Source>(
                            language, open_source<Source>(
                                          files, path_of(code) + ".wordlist")));
    }
    // The index counts languages as language_codes.txt lists them, French
    // (listed without files) included.
    const std::vector<Language> listed = {Language("en"), Language("fr"),
                                          Language("de"), Language("ja")};
    words = std::make_unique<wordlist::LocatedAllWordlists<Source, Source>>(
        normaliser, std::move(wordlists),
        wordlist::LocatedWordlistIndex<Source>(
            listed, open_source<Source>(files, "index/wordlist_index.data")));
  }

  data::FileSystem files;
  normalise::Normaliser normaliser;
  algorithm::ExcludedAreas excluded;
  std::map<Language, algorithm::AttrData> attr;
  std::unique_ptr<wordlist::LocatedAllWordlists<Source, Source>> words;
};

template <typename Source>
class DataSetTest : public testing::Test {
 protected:
  static const LoadedDataSet<Source>& data() {
    static const LoadedDataSet<Source> loaded;
    return loaded;
  }
};

using Sources = testing::Types<InMemory, OnDisk>;
TYPED_TEST_SUITE(DataSetTest, Sources);

std::vector<Coordinates> sample_positions(std::uint32_t seed, int count) {
  std::mt19937 random(seed);
  auto uniform = [&random](double low, double high) {
    return low + (high - low) * (random() / 4294967296.0);
  };
  std::vector<Coordinates> positions = {
      {90.0, 0.0},      {-90.0, 0.0},     {89.9999999, 179.9999999},
      {-89.99, -180.0}, {0.0, 180.0},     {0.0, -180.0},
      {12.5, 540.0},    {-33.3, -190.0},  {10.25, 20.25},
      {10.0, 20.0},     {51.505, -0.125}, {-45.0, 170.0005},
      {0.0, 0.0},       {51.5, -0.12},    {10.49999, 20.49999}};
  for (int i = 0; i < count; ++i) {
    positions.emplace_back(uniform(-90.0, 90.0), uniform(-180.0, 180.0));
  }
  // Near the excluded areas, where squares in and out of them meet.
  for (int i = 0; i < count / 10; ++i) {
    positions.emplace_back(uniform(51.499, 51.511), uniform(-0.131, -0.119));
    positions.emplace_back(uniform(9.99, 10.51), uniform(19.99, 20.51));
  }
  return positions;
}

TYPED_TEST(DataSetTest, PositionsAndWordNumbersConvertBothWays) {
  const auto& data = this->data();
  const std::uint32_t seed = 20261210;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  int excluded_seen = 0;
  int decoded = 0;
  for (const char* code : {"en", "de", "ja"}) {
    const Language language(code);
    const algorithm::AttrData& attr = data.attr.at(language);
    const wordlist::Wordlist& list = data.words->wordlist(language);
    for (const Coordinates& p : sample_positions(seed, 4000)) {
      SCOPED_TRACE(testing::Message() << code << " " << p.lat << ", " << p.lng);
      const algorithm::GridSquare square =
          algorithm::square_containing_coords(p);
      const auto numbers =
          algorithm::three_numbers_from_coords(attr, data.excluded, p);
      if (data.excluded.is_excluded(square)) {
        ++excluded_seen;
        EXPECT_FALSE(numbers.has_value());
        continue;
      }
      ASSERT_TRUE(numbers.has_value());
      const auto [i, j, k] = *numbers;
      const auto back =
          algorithm::square_from_three_numbers(attr, data.excluded, i, j, k);
      ASSERT_TRUE(back.has_value());
      EXPECT_EQ(*back, square);

      const std::int64_t ordinal =
          attr.start_attr_of_cell_at(square.cell_x, square.cell_y) +
          square.col * 1546 + square.row;
      if (ordinal < kLandColumns * 1546) {
        // Land uses only the words that every language has.
        EXPECT_LT(std::max({i, j, k}), 25000);
      }
      if (std::max({i, j, k}) >= list.length()) continue;  // a sea word
      const std::array<std::u16string, 3> words = {
          core::to_u16string(list.word_no(i)),
          core::to_u16string(list.word_no(j)),
          core::to_u16string(list.word_no(k))};
      const auto found = data.words->decode(words);
      ASSERT_TRUE(found.has_value());
      EXPECT_EQ(found->first, language);
      EXPECT_EQ(found->second, (std::array<int, 3>{i, j, k}));
      ++decoded;
    }
  }
  EXPECT_GT(excluded_seen, 100);
  EXPECT_GT(decoded, 5000);
}

// The word as a user might type it: upper case, and without the accents
// that normalisation strips.
std::string shouted_without_accents(const std::string& word) {
  static const std::map<std::string, std::string> kPlain = {
      {"ä", "A"}, {"ö", "O"}, {"ü", "U"}, {"ß", "SS"}};
  std::string out;
  for (std::size_t i = 0; i < word.size();) {
    bool replaced = false;
    for (const auto& [accented, plain] : kPlain) {
      if (word.compare(i, accented.size(), accented) == 0) {
        out += plain;
        i += accented.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      const char c = word[i++];
      out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
  }
  return out;
}

TYPED_TEST(DataSetTest, EveryWordIsFoundInItsOwnLanguage) {
  const auto& data = this->data();
  for (const char* code : {"en", "de", "ja"}) {
    const Language language(code);
    const Language other(std::string(code) == "en" ? "de" : "en");
    const wordlist::Wordlist& list = data.words->wordlist(language);
    EXPECT_EQ(list.length(), std::string(code) == "en" ? 40000 : 25000);
    for (int n = 0; n < list.length(); ++n) {
      const std::string word = list.word_no(n);
      SCOPED_TRACE(testing::Message() << code << " word " << n << " " << word);
      const std::u16string typed =
          core::to_u16string(shouted_without_accents(word));
      const auto id = data.words->id_of_exact_match(typed, language);
      ASSERT_TRUE(id.has_value());
      EXPECT_EQ(*id, n);
      EXPECT_FALSE(data.words->id_of_exact_match(typed, other).has_value());
    }
  }
}

TYPED_TEST(DataSetTest, RejectsNonWordsAndMixedLanguages) {
  const auto& data = this->data();
  auto word = [&](const char* code, int n) {
    return core::to_u16string(data.words->wordlist(Language(code)).word_no(n));
  };
  const std::array<std::u16string, 3> one_language = {
      word("de", 7), word("de", 8), word("de", 9)};
  EXPECT_TRUE(data.words->decode(one_language).has_value());
  const std::array<std::array<std::u16string, 3>, 5> rejected = {{
      {word("en", 1), word("de", 2), word("en", 3)},
      {word("ja", 1), word("ja", 2), word("en", 3)},
      {word("en", 1), u"qxqxzzv", word("en", 3)},
      {word("en", 1) + u"x", word("en", 2), word("en", 3)},
      {u"", word("en", 2), word("en", 3)},
  }};
  for (const auto& words : rejected) {
    EXPECT_FALSE(data.words->decode(words).has_value());
  }
  EXPECT_EQ(
      data.words->languages_used_in({word("en", 5), word("ja", 5), u"qxqxzzv"}),
      (std::set<Language>{Language("en"), Language("ja")}));
}

TEST(DataSet, FixtureIsAValidDataDirectory) {
  const ErrorDescriptor check = is_valid_data_path(test::fixture_data_dir());
  EXPECT_EQ(check.code, 0) << check.message;
}

}  // namespace
}  // namespace tessera
