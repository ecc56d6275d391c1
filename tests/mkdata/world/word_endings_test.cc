#include "mkdata/world/word_endings.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

// A lexicon over `words`, which must outlive it.
Lexicon lexicon_of(const std::vector<std::string>& words) {
  Lexicon lexicon;
  for (const std::string& word : words) lexicon.insert(word);
  return lexicon;
}

TEST(WordEndings, TellsInflectedFormsFromBaseForms) {
  const struct {
    const char* code;
    const char* word;
    std::vector<std::string> list;
    bool derived;
  } kCases[] = {
      {"en", "walked", {"walk"}, true},
      {"en", "walked", {}, false},
      {"en", "baked", {"bake"}, true},
      {"en", "stopped", {"stop"}, true},  // a doubled consonant
      {"en", "carries", {"carry"}, true},
      {"en", "planet", {"plan"}, false},  // "et" is no English ending
      {"en", "walk", {"walk"}, false},    // not its own base
      {"de", "schönen", {"schön"}, true},
      {"de", "geht", {"gehen"}, true},
      {"de", "gehen", {"geh"}, true},
      // An infinitive beside a form made from it is a lemma.
      {"de", "gehen", {"geh", "geht"}, false},
      {"fr", "parlons", {"parler"}, true},
      {"fr", "finissons", {"finir"}, true},
      {"it", "parlò", {"parlare"}, true},
      {"pl", "czytam", {"czytać"}, true},
      {"sv", "flickorna", {"flicka"}, true},
      {"xx", "walked", {"walk"}, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.code << " " << c.word);
    const Lexicon lexicon = lexicon_of(c.list);
    EXPECT_EQ(WordEndings(c.code).is_derived(c.word, lexicon), c.derived);
  }
}

TEST(WordEndings, FindsFormsOfABaseForm) {
  const struct {
    const char* word;
    std::vector<std::string> list;
    bool has_form;
  } kCases[] = {
      {"depth", {"depths"}, true},
      {"stop", {"stopped"}, true},
      {"carry", {"carries"}, true},
      {"depth", {"depth", "dept"}, false},
  };
  const WordEndings english("en");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.word);
    const Lexicon lexicon = lexicon_of(c.list);
    EXPECT_EQ(english.has_form(c.word, lexicon), c.has_form);
  }
}

TEST(WordEndings, ListsBaseFormsWhetherOrNotWords) {
  std::vector<std::string> bases;
  WordEndings("en").bases("stopped", &bases);
  // "stopp" + "", "stop" undoubled, "stopp" + "e".
  EXPECT_EQ(bases, (std::vector<std::string>{"stopp", "stop", "stoppe"}));
  WordEndings("en").bases("a", &bases);
  EXPECT_TRUE(bases.empty());
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
