// What a data set is made of: its languages and their word sources, their
// block-order preferences, and the excluded areas. Read from JSON.
#ifndef TESSERA_TOOLS_MKDATA_RECIPE_H_
#define TESSERA_TOOLS_MKDATA_RECIPE_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

struct WordSource {
  enum class Kind { kSynthetic, kFile, kList };
  Kind kind = Kind::kSynthetic;
  // kSynthetic: "latin", "umlaut" or "kana"; the seed picks the words.
  std::string phonology = "latin";
  std::uint64_t seed = 1;
  // kFile: a UTF-8 file of one word per line, best words first; lines that
  // are empty or start with '#' are skipped. Relative to the recipe file.
  std::string file;
  // kList: the words themselves, best first (not read from JSON).
  std::vector<std::string> list;
  // The number of words the language gets.
  int count = 0;
  // When a file or list yields fewer than `count` usable words, the
  // language gets this many instead; 0 makes that an error.
  int fallback_count = 0;
};

struct LanguageRecipe {
  std::string code;
  // Listed in language_codes.txt without any files of its own.
  bool listed_only = false;
  WordSource words;
  // Regions of the land model whose blocks this language takes first.
  std::vector<int> preferred_regions;
  // Suffixes that relate a word to a longer word of the list ("s" makes a
  // ring of "cat" and "cats").
  std::vector<std::string> related_suffixes;
};

// An excluded area, in degrees.
struct ExcludedBox {
  double sw_lat, sw_lng, ne_lat, ne_lng;
};

struct Recipe {
  // The data version; the engine reads its first word only.
  std::string version = "tessera-test-data";
  std::vector<LanguageRecipe> languages;  // in language_codes.txt order
  std::vector<ExcludedBox> excluded;
};

// Parses a recipe. Throws std::runtime_error naming the file and the fault
// for malformed JSON, a missing or mistyped field, or an unknown phonology.
// `base_dir` resolves relative word-file paths.
Recipe parse_recipe(const std::string& json, const std::string& base_dir);
Recipe read_recipe_file(const std::string& path);

// The standard test data set: English (40,000 words), German (25,000, with
// umlauts and its own block order), Japanese (25,000 in kana) and French
// listed without files, with a few excluded areas.
Recipe fixture_recipe();

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_RECIPE_H_
