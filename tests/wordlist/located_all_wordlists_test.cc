#include "wordlist/located_all_wordlists.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/utf16.h"
#include "data/in_memory.h"
#include "data/on_disk.h"
#include "mkdata/byte_writer.h"
#include "mkdata/normalise/ntable_writer.h"
#include "mkdata/wordlist/word_index_writer.h"
#include "mkdata/wordlist/wordlist_writer.h"
#include "normalise/normaliser.h"
#include "tessera/language.h"
#include "testing/data_files.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace wordlist {
namespace {

using Words = std::array<std::u16string, 3>;

const Language kEn("en");
const Language kFr("fr");
const Language kDe("de");

// The words of each language, word i at position i. "de" is in the index
// but its wordlist is not installed.
const std::map<Language, std::vector<std::string>>& language_words() {
  static const auto* words = new std::map<Language, std::vector<std::string>>{
      {kEn, {"index", "home", "raft", "café", "Zebra"}},
      {kFr, {"maison", "arbre", "été", "chaise"}},
      {kDe, {"haus", "baum", "straße"}},
  };
  return *words;
}

// A data directory written by the data builder, built once for all tests:
// the normalisation table, a wordlist for "en" and "fr", and the index over
// the words of all three languages.
class DataSet {
 public:
  DataSet() {
    const std::vector<std::u16string> table = mkdata::normalisation_table();
    mkdata::write_data_file(dir_.path(), "normalisation/ntable.data",
                            mkdata::ntable_bytes(table));
    normaliser_ =
        std::make_unique<normalise::Normaliser>(normalise::read_normaliser(
            data::read_file_bytes(data::FileSystem(dir_.path()),
                                  "normalisation/ntable.data", 1 << 20)));
    std::map<Language, std::vector<mkdata::IndexedWord>> indexed;
    for (const auto& entry : language_words()) {
      const mkdata::WordlistFile file = mkdata::wordlist_file(entry.second);
      if (entry.first != kDe) {
        mkdata::write_data_file(dir_.path(), wordlist_name(entry.first),
                                file.bytes);
      }
      for (std::size_t i = 0; i < entry.second.size(); ++i) {
        indexed[entry.first].push_back(
            {normaliser_->normalise_u8(entry.second[i]),
             file.record_offsets[i]});
      }
    }
    mkdata::write_data_file(dir_.path(), "index/wordlist_index.data",
                            mkdata::word_index_file({kEn, kFr, kDe}, indexed));
  }

  static std::string wordlist_name(const Language& language) {
    return "languages/" + language.code + "/" + language.code + ".wordlist";
  }

  data::FileSystem files() const { return data::FileSystem(dir_.path()); }
  const normalise::Normaliser& normaliser() const { return *normaliser_; }

 private:
  test::TempDir dir_;
  std::unique_ptr<normalise::Normaliser> normaliser_;
};

const DataSet& data_set() {
  static const DataSet* data = new DataSet();
  return *data;
}

template <typename Source>
Source open_source(const std::string& name);

template <>
data::OnDisk open_source<data::OnDisk>(const std::string& name) {
  return data::OnDisk(data_set().files(), name);
}

template <>
data::InMemory open_source<data::InMemory>(const std::string& name) {
  return data::InMemory::open(data_set().files(), name);
}

template <typename Source>
class LocatedAllWordlistsTest : public testing::Test {
 protected:
  LocatedAllWordlistsTest() : all_(make()) {}

  static LocatedAllWordlists<Source, Source> make() {
    std::map<Language, LocatedWordlist<Source>> wordlists;
    for (const Language& language : {kEn, kFr}) {
      wordlists.emplace(
          language,
          LocatedWordlist<Source>(
              language, open_source<Source>(DataSet::wordlist_name(language))));
    }
    return LocatedAllWordlists<Source, Source>(
        data_set().normaliser(), std::move(wordlists),
        LocatedWordlistIndex<Source>(
            {kEn, kFr, kDe}, open_source<Source>("index/wordlist_index.data")));
  }

  // Through the interface, as the engine uses it.
  const AllWordlists& all() const { return all_; }

 private:
  LocatedAllWordlists<Source, Source> all_;
};

using Sources = testing::Types<data::OnDisk, data::InMemory>;
TYPED_TEST_SUITE(LocatedAllWordlistsTest, Sources);

TYPED_TEST(LocatedAllWordlistsTest, DecodesThreeWordsOfOneLanguage) {
  const struct {
    Words words;
    Language language;
    std::array<int, 3> ids;
  } kCases[] = {
      {{u"index", u"home", u"raft"}, kEn, {0, 1, 2}},
      {{u"zebra", u"café", u"index"}, kEn, {4, 3, 0}},
      // Typed in other case, without accents, or in fullwidth letters.
      {{u"INDEX", u"Home", u"rAfT"}, kEn, {0, 1, 2}},
      {{u"ZEBRA", u"cafe", u"CAFÉ"}, kEn, {4, 3, 3}},
      {{u"\uFF48\uFF4F\uFF4D\uFF45", u"raft", u"raft"}, kEn, {1, 2, 2}},
      {{u"ete", u"Maison", u"CHAISE"}, kFr, {2, 0, 3}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(
        core::to_utf8(c.words[0] + u"." + c.words[1] + u"." + c.words[2]));
    const auto decoded = this->all().decode(c.words);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->first, c.language);
    EXPECT_EQ(decoded->second, c.ids);
  }
}

TYPED_TEST(LocatedAllWordlistsTest, DecodeFindsNothingForOtherInput) {
  const struct {
    const char* what;
    Words words;
  } kCases[] = {
      {"two languages", {u"index", u"maison", u"raft"}},
      {"two languages, last word", {u"index", u"home", u"arbre"}},
      {"a non-word", {u"index", u"home", u"xyzzy"}},
      {"a non-word first", {u"xyzzy", u"home", u"raft"}},
      {"an empty word", {u"index", u"", u"raft"}},
      {"a word of an uninstalled language", {u"haus", u"baum", u"haus"}},
      {"a word and more", {u"index", u"homes", u"raft"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(this->all().decode(c.words).has_value());
  }
}

TYPED_TEST(LocatedAllWordlistsTest, FindsTheLanguageOfOneWord) {
  EXPECT_EQ(this->all().find_language(u"Maison"), Optional<Language>(kFr));
  EXPECT_EQ(this->all().find_language(u"cafe"), Optional<Language>(kEn));
  EXPECT_FALSE(this->all().find_language(u"xyzzy").has_value());
  // In the index, but "de" has no wordlist.
  EXPECT_FALSE(this->all().find_language(u"baum").has_value());

  const std::set<Language> used =
      this->all().languages_used_in({u"index", u"Arbre", u"xyzzy"});
  EXPECT_EQ(used, (std::set<Language>{kEn, kFr}));
  EXPECT_TRUE(this->all().languages_used_in({u"xyzzy", u"haus", u""}).empty());
}

TYPED_TEST(LocatedAllWordlistsTest, IdOfExactMatchOnlyInItsLanguage) {
  EXPECT_EQ(this->all().id_of_exact_match(u"arbre", kFr), Optional<int>(1));
  EXPECT_EQ(this->all().id_of_exact_match(u"ÉTÉ", kFr), Optional<int>(2));
  EXPECT_FALSE(this->all().id_of_exact_match(u"arbre", kEn).has_value());
  EXPECT_FALSE(this->all().id_of_exact_match(u"xyzzy", kEn).has_value());
  EXPECT_FALSE(this->all().id_of_exact_match(u"haus", kDe).has_value());
}

TYPED_TEST(LocatedAllWordlistsTest, WordlistOfAMissingLanguageThrows) {
  EXPECT_EQ(this->all().wordlist(kFr).word_no(2), "été");
  EXPECT_EQ(this->all().wordlist(kEn).language(), kEn);
  EXPECT_THROW(this->all().wordlist(kDe), std::out_of_range);
  EXPECT_THROW(this->all().wordlist(Language("ja")), std::out_of_range);
}

// Every input lands on some slot of a perfect hash; most slots hold a word,
// so random non-words reach the confirming comparison, which must reject
// them all.
TYPED_TEST(LocatedAllWordlistsTest, RandomNonWordsAreNeverFound) {
  const std::uint32_t kSeed = 99;
  SCOPED_TRACE(testing::Message() << "random seed " << kSeed);
  const LocatedWordlistIndex<TypeParam> index(
      {kEn, kFr, kDe}, open_source<TypeParam>("index/wordlist_index.data"));
  std::mt19937 random(kSeed);
  int guessed = 0;
  for (int round = 0; round < 500; ++round) {
    std::u16string word(4 + random() % 4, u'q');
    for (char16_t& unit : word) unit = u'0' + random() % 10;
    guessed += index
                   .guess_language_and_offset(
                       data_set().normaliser().normalise_u16(word))
                   .has_value();
    EXPECT_FALSE(this->all().find_language(word).has_value())
        << "round " << round;
  }
  EXPECT_GT(guessed, 0);
}

}  // namespace
}  // namespace wordlist
}  // namespace tessera
