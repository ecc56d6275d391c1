#include "mkdata/world/blocklist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkdata/world/word_endings.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(Blocklist, ReadsEachKindOfEntry) {
  Blocklist blocklist;
  blocklist.add_entries(
      "# A comment, then a blank line.\n"
      "\n"
      "rape\n"
      "  =spic \r\n"
      "ass+\n"
      "*shit*\n",
      "en.txt");
  blocklist.add_word("MILF");      // added as it is
  blocklist.add_word("ball gag");  // a phrase: ignored
  Lexicon lexicon;
  for (const char* word : {"jack", "hole", "ho", "grape"}) lexicon.insert(word);
  const struct {
    const char* word;
    std::vector<std::string> bases;
    bool blocked;
  } kCases[] = {
      {"rape", {}, true},
      {"rapes", {"rape"}, true},  // a form of a listed word
      {"grape", {}, false},       // merely holds one
      {"spic", {}, true},
      {"spics", {"spic"}, false},  // this spelling only
      {"spice", {}, false},
      {"ass", {}, true},
      {"jackass", {}, true},   // a compound with "jack"
      {"assho", {}, false},    // the other half is too short
      {"bullshit", {}, true},  // a part anywhere
      {"MILF", {}, true},
      {"ball", {}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(blocklist.blocks(c.word, c.bases, lexicon), c.blocked);
  }
  std::vector<std::string> entries = blocklist.entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries,
            (std::vector<std::string>{"MILF", "ass", "rape", "shit", "spic"}));
}

TEST(Blocklist, RejectsMalformedEntriesNamingTheLine) {
  for (const char* text :
       {"ok\n*part\n", "ok\n=\n", "ok\ntwo words\n", "ok\n=x+\n", "ok\n**\n"}) {
    SCOPED_TRACE(text);
    Blocklist blocklist;
    try {
      blocklist.add_entries(text, "xx.txt");
      ADD_FAILURE() << "no exception";
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(std::string(e.what()).rfind("xx.txt:2: ", 0), 0u) << e.what();
    }
  }
}

TEST(Blocklist, EveryLanguageFileReads) {
  for (const char* code :
       {"en", "de", "fr", "es", "it", "pt", "nl", "sv", "pl"}) {
    SCOPED_TRACE(code);
    Blocklist blocklist;
    read_blocklist_file(default_blocklist_dir(), code, &blocklist);
    EXPECT_GE(blocklist.entries().size(), 5u);
  }
  Blocklist blocklist;
  EXPECT_THROW(read_blocklist_file(default_blocklist_dir(), "xx", &blocklist),
               std::runtime_error);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
