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

#include "algorithm/grid_square.h"
#include "algorithm/three_numbers.h"
#include "core/utf16.h"
#include "data/file_system.h"
#include "engine/read_data.h"
#include "tessera/data_path.h"
#include "testing/fixture_data_set.h"

namespace tessera {
namespace {

using data::InMemory;
using data::OnDisk;

// Columns of land in the data set: every cell outside the sea block.
constexpr std::int64_t kLandColumns = 10'016'186'539;

// The fixture's files loaded through the engines' loader.
template <typename Source>
class DataSetTest : public testing::Test {
 protected:
  static const engine::TSRData<Source>& data() {
    static const engine::TSRData<Source> loaded = engine::read_data<Source>(
        std::make_shared<data::FileSystem>(test::fixture_data_dir()));
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
    const algorithm::AttrData& attr = data.attractiveness_data(language);
    const wordlist::Wordlist& list = data.wordlist(language);
    for (const Coordinates& p : sample_positions(seed, 4000)) {
      SCOPED_TRACE(testing::Message() << code << " " << p.lat << ", " << p.lng);
      const algorithm::GridSquare square =
          algorithm::square_containing_coords(p);
      const auto numbers =
          algorithm::three_numbers_from_coords(attr, data.excluded_areas(), p);
      if (data.excluded_areas().is_excluded(square)) {
        ++excluded_seen;
        EXPECT_FALSE(numbers.has_value());
        continue;
      }
      ASSERT_TRUE(numbers.has_value());
      const auto [i, j, k] = *numbers;
      const auto back = algorithm::square_from_three_numbers(
          attr, data.excluded_areas(), i, j, k);
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
      const auto found = data.all_wordlists().decode(words);
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
    const wordlist::Wordlist& list = data.all_wordlists().wordlist(language);
    EXPECT_EQ(list.length(), std::string(code) == "en" ? 40000 : 25000);
    for (int n = 0; n < list.length(); ++n) {
      const std::string word = list.word_no(n);
      SCOPED_TRACE(testing::Message() << code << " word " << n << " " << word);
      const std::u16string typed =
          core::to_u16string(shouted_without_accents(word));
      const auto id = data.all_wordlists().id_of_exact_match(typed, language);
      ASSERT_TRUE(id.has_value());
      EXPECT_EQ(*id, n);
      EXPECT_FALSE(
          data.all_wordlists().id_of_exact_match(typed, other).has_value());
    }
  }
}

TYPED_TEST(DataSetTest, RejectsNonWordsAndMixedLanguages) {
  const auto& data = this->data();
  auto word = [&](const char* code, int n) {
    return core::to_u16string(
        data.all_wordlists().wordlist(Language(code)).word_no(n));
  };
  const std::array<std::u16string, 3> one_language = {
      word("de", 7), word("de", 8), word("de", 9)};
  EXPECT_TRUE(data.all_wordlists().decode(one_language).has_value());
  const std::array<std::array<std::u16string, 3>, 5> rejected = {{
      {word("en", 1), word("de", 2), word("en", 3)},
      {word("ja", 1), word("ja", 2), word("en", 3)},
      {word("en", 1), u"qxqxzzv", word("en", 3)},
      {word("en", 1) + u"x", word("en", 2), word("en", 3)},
      {u"", word("en", 2), word("en", 3)},
  }};
  for (const auto& words : rejected) {
    EXPECT_FALSE(data.all_wordlists().decode(words).has_value());
  }
  EXPECT_EQ(data.all_wordlists().languages_used_in(
                {word("en", 5), word("ja", 5), u"qxqxzzv"}),
            (std::set<Language>{Language("en"), Language("ja")}));
}

TEST(DataSet, FixtureIsAValidDataDirectory) {
  const ErrorDescriptor check = is_valid_data_path(test::fixture_data_dir());
  EXPECT_EQ(check.code, 0) << check.message;
}

}  // namespace
}  // namespace tessera
