#include "mkdata/world/debian_words.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkdata/world/blocklist.h"
#include "mkdata/world/world_sources.h"

namespace tessera {
namespace mkdata {
namespace {

// The blocklist file of `code`, or none for a language without one.
const Blocklist& blocklist_of(const std::string& code) {
  static std::map<std::string, Blocklist> blocklists;
  const auto [it, added] = blocklists.try_emplace(code);
  if (added && std::ifstream(default_blocklist_dir() + "/" + code + ".txt")) {
    read_blocklist_file(default_blocklist_dir(), code, &it->second);
  }
  return it->second;
}

std::vector<std::string> clean(const std::string& code,
                               const std::string& list) {
  std::istringstream in(list);
  return clean_words(code, in, blocklist_of(code));
}

std::size_t code_points(const std::string& s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// One line of a hand-made list and the word it must give, nullptr when it
// must give none.
struct Line {
  const char* input;
  const char* kept;
};

// Cleans `lines` as one list of language `code` and checks that exactly the
// expected words come out, once each. Words that are not under test share
// the lists so that every consonant run at a word's edge is common, as in a
// real list, unless a row says otherwise.
void expect_kept(const std::string& code, const std::vector<Line>& lines) {
  std::string list;
  std::multiset<std::string> expected;
  for (const Line& line : lines) {
    list += line.input;
    list += '\n';
    if (line.kept != nullptr) expected.insert(line.kept);
  }
  const std::vector<std::string> words = clean(code, list);
  EXPECT_EQ(std::multiset<std::string>(words.begin(), words.end()), expected);
}

TEST(DebianWords, KeepsLowerCaseWordsOfTheLanguageOnly) {
  expect_kept("en", {
                        {"table", "table"},
                        {"table", nullptr},  // a duplicate
                        {"movie", "movie"},
                        {"garden", "garden"},
                        {"lemonade", "lemonade"},
                        {"Paris", nullptr},
                        {"NASA", nullptr},
                        {"table's", nullptr},
                        {"o'clock", nullptr},
                        {"well-known", nullptr},
                        {"r2d2", nullptr},
                        {"café", nullptr},  // é is no English letter
                        {"tea", nullptr},
                        {"exceptional", nullptr},  // 11 letters
                    });
}

TEST(DebianWords, KnowsEachLanguagesLetters) {
  const struct {
    const char* code;
    std::vector<Line> lines;
  } kCases[] = {
      // Lengths count characters: "süß" is 4 bytes, "übermäßige" 13.
      {"de",
       {{"süße", "süße"},
        {"süß", nullptr},
        {"übermäßige", "übermäßige"},
        {"übermäßiges", nullptr},
        {"niña", nullptr}}},
      {"es", {{"niña", "niña"}, {"güero", "güero"}, {"süße", nullptr}}},
      {"fr",
       {{"œuvre", "œuvre"},
        {"élève", "élève"},
        {"aujourd'hui", nullptr},
        {"åtta", nullptr}}},
      {"it", {{"città", "città"}, {"kiwi", nullptr}, {"zaino", "zaino"}}},
      {"pl", {{"łąka", "łąka"}, {"wino", "wino"}, {"quiz", nullptr}}},
      {"sv", {{"åtta", "åtta"}, {"fasad", "fasad"}, {"façade", nullptr}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    expect_kept(c.code, c.lines);
  }
}

TEST(DebianWords, DropsWordsOfOddShape) {
  expect_kept("en", {
                        {"psst", nullptr},  // no vowel
                        {"oooh", nullptr},  // a letter three times
                        {"civic", "civic"},
                        {"clix", nullptr},  // 109, though "cl" is common
                        {"clam", "clam"},
                        {"clip", "clip"},
                        {"club", "club"},
                    });
}

TEST(DebianWords, DropsAbbreviationsButNotWordsWithRareEnds) {
  expect_kept("en", {
                        {"acct", nullptr},
                        {"govt", nullptr},
                        // "pth" ends no other word, but each has the other.
                        {"depth", "depth"},
                        {"depths", "depths"},
                        // "nd" ends three words.
                        {"band", "band"},
                        {"bend", "bend"},
                        {"bond", "bond"},
                    });
}

TEST(DebianWords, DropsOffensiveWordsAndTheirForms) {
  expect_kept("en", {
                        {"rape", nullptr},
                        {"rapes", nullptr},
                        {"grape", "grape"},
                        {"bullshit", nullptr},
                        {"passage", "passage"},
                        // A compound with another word of four letters.
                        {"jackass", nullptr},
                        {"jack", "jack"},
                        {"assail", "assail"},
                        {"ail", nullptr},
                        {"ails", "ails"},
                        // A form of "assail", not a compound with "ails".
                        {"assails", "assails"},
                        // Blocked in this spelling only.
                        {"spic", nullptr},
                        {"spice", "spice"},
                        {"spiced", "spiced"},
                        // Fillers for common consonant runs.
                        {"back", "back"},
                        {"neck", "neck"},
                        {"mass", "mass"},
                        {"boss", "boss"},
                        {"kiss", "kiss"},
                        {"nails", "nails"},
                        {"green", "green"},
                        {"grow", "grow"},
                        {"spin", "spin"},
                    });
  expect_kept("fr", {{"salope", nullptr}, {"salopette", "salopette"}});
}

TEST(DebianWords, ReadsEveryEncodingAndComposes) {
  // ISO-8859-1: "kärlek", "åtta"; one byte that is not UTF-8 decides.
  EXPECT_EQ(clean("sv", "k\xE4rlek\n\xE5tta\nStockholm\n"),
            (std::vector<std::string>{"åtta", "kärlek"}));
  // A byte order mark and CR LF line ends.
  EXPECT_EQ(clean("en", "\xEF\xBB\xBFtable\r\nmovie\r\n").size(), 2u);
  // Decomposed words come out composed, and their length is counted after
  // composing: "désespéré" has 12 code points decomposed, 9 composed.
  const std::vector<std::string> words =
      clean("fr",
            "e\xCC\x81le\xCC\x80ve\n"
            "\xC3\xA9l\xC3\xA8ve\n"
            "cafe\xCC\x81\n"
            "de\xCC\x81sespe\xCC\x81re\xCC\x81\n");
  EXPECT_EQ(std::set<std::string>(words.begin(), words.end()),
            (std::set<std::string>{"élève", "café", "désespéré"}));
  EXPECT_EQ(words.size(), 3u);
}

TEST(DebianWords, PutsBaseFormsShortWordsAndUsualSpellingsFirst) {
  // Lemma "walk"; then "tata" before "toto" (its pairs are commoner among
  // the base forms: 12.9 against 14.6 bits after the shared start), "quiz"
  // (pairs nothing else has) and the longer "tatami"; last the inflected
  // forms of "walk" by length.
  EXPECT_EQ(clean("en",
                  "walking\nquiz\nwalks\ntata\nwalk\nwalked\ntatami\n"
                  "toto\n"),
            (std::vector<std::string>{"walk", "tata", "toto", "quiz", "tatami",
                                      "walks", "walked", "walking"}));
  // "abbandonò" comes from "abbandonare", a base of 11 letters that is no
  // candidate itself, so it follows the longer base form "acquaforte".
  EXPECT_EQ(clean("it", "abbandonò\nacquaforte\nabbandonare\n"),
            (std::vector<std::string>{"acquaforte", "abbandonò"}));
}

TEST(DebianWords, JudgesWordsFromElsewhereAgainstTheList) {
  std::istringstream list(
      "table\nmovie\ngarden\ngrape\nband\nbend\nbond\n"
      "jack\n");
  const WordCleaner cleaner("en", list, blocklist_of("en"));
  const struct {
    const char* word;
    bool accepted;
  } kCases[] = {
      {"window", true},          // not in the list, but a word of its shape
      {"bind", true},            // "nd" ends three words of the list
      {"Paris", false},          // capitalised
      {"tea", false},            // too short
      {"govt", false},           // "vt" ends no word of the list
      {"rapes", false},          // a form of a blocked word the list lacks
      {"jackass", false},        // a compound with a word of the list
      {"caf\xC3\xA9", false},    // é is no English letter
      {"e\xCC\x81tude", false},  // not in NFC
      {"\xFF"
       "bad",
       false},  // not UTF-8
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(cleaner.accepts(c.word), c.accepted);
  }
}

TEST(DebianWords, RejectsUnknownLanguages) {
  EXPECT_THROW(clean("xx", "table\n"), std::invalid_argument);
}

TEST(DebianWords, CleansTheInstalledEnglishList) {
  const std::string path = debian_root(default_world_sources_dir()) +
                           "/usr/share/dict/american-english";
  std::ifstream file(path, std::ios::binary);
  if (!file) GTEST_SKIP() << path << " is not installed";
  const std::vector<std::string> words =
      clean_words("en", file, blocklist_of("en"));
  EXPECT_GE(words.size(), 40000u);
  const std::set<std::string> all(words.begin(), words.end());
  EXPECT_EQ(all.size(), words.size());
  for (const char* ordinary : {"table", "garden", "window", "river", "apple"}) {
    EXPECT_EQ(all.count(ordinary), 1u) << ordinary;
  }
  // The list holds these names capitalised only.
  for (const char* name : {"paris", "london", "texas", "kepler"}) {
    EXPECT_EQ(all.count(name), 0u) << name;
  }
  for (const std::string& word : words) {
    ASSERT_GE(code_points(word), 4u) << word;
    ASSERT_LE(code_points(word), 10u) << word;
    ASSERT_EQ(word.find_first_not_of("abcdefghijklmnopqrstuvwxyz"),
              std::string::npos)
        << word;
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
