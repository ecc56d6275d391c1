#include "mkdata/data_set.h"

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "autosuggest/autosuggest_format.h"
#include "core/utf16.h"
#include "data/data_format_version.h"
#include "data/text_files_format.h"
#include "find_country/countries_format.h"
#include "manifest/manifest.h"
#include "mkdata/algorithm/attr_data_set.h"
#include "mkdata/algorithm/excluded_writer.h"
#include "mkdata/algorithm/procedural_land_model.h"
#include "mkdata/autosuggest/autosuggest_writer.h"
#include "mkdata/byte_writer.h"
#include "mkdata/find_country/countries_writer.h"
#include "mkdata/find_country/synthetic_countries.h"
#include "mkdata/find_nearest_place/nearest_place_files.h"
#include "mkdata/find_nearest_place/synthetic_places.h"
#include "mkdata/normalise/ntable_writer.h"
#include "mkdata/progress.h"
#include "mkdata/sources/synthetic_words.h"
#include "mkdata/wordlist/word_index_writer.h"
#include "mkdata/wordlist/wordlist_writer.h"
#include "normalise/normaliser.h"
#include "normalise/ntable_format.h"
#include "tessera/bounding_box.h"
#include "tessera/language.h"
#include "wordlist/word_index_format.h"
#include "wordlist/wordlist_format.h"

namespace tessera {
namespace mkdata {
namespace {

std::vector<std::uint8_t> text_bytes(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

Phonology phonology_named(const std::string& name) {
  if (name == "umlaut") return umlaut_phonology();
  if (name == "kana") return kana_phonology();
  return latin_phonology();
}

// The words of a word file, best first, skipping blank and comment lines.
std::vector<std::string> read_word_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read word file " + path);
  std::vector<std::string> words;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    words.push_back(line);
  }
  return words;
}

// Keeps the words of every language distinct after normalisation: the word
// index holds one language per normalised word, and a language cannot have
// two words that read alike.
class WordChooser {
 public:
  explicit WordChooser(const normalise::Normaliser& normaliser)
      : normaliser_(normaliser) {}

  bool accept(const std::string& word) {
    std::u16string normalised;
    try {
      normalised = normaliser_.normalise_u8(word);
    } catch (const std::range_error&) {
      return false;  // not UTF-8
    }
    if (normalised.empty() || normalised.size() > 31) return false;
    return used_.insert(std::move(normalised)).second;
  }

 private:
  const normalise::Normaliser& normaliser_;
  std::set<std::u16string> used_;
};

std::vector<std::string> choose_words(const LanguageRecipe& language,
                                      WordChooser& chooser) {
  const WordSource& source = language.words;
  auto accept = [&chooser](const std::string& w) { return chooser.accept(w); };
  if (source.kind == WordSource::Kind::kSynthetic) {
    return synthetic_words(phonology_named(source.phonology), source.seed,
                           source.count, accept);
  }
  const std::vector<std::string> candidates =
      source.kind == WordSource::Kind::kFile ? read_word_file(source.file)
                                             : source.list;
  const std::string origin = source.kind == WordSource::Kind::kFile
                                 ? source.file
                                 : "the word list of " + language.code;
  // A word accepted here is taken for good, so a language that falls back
  // to fewer words first learns how many it can have.
  std::size_t wanted = static_cast<std::size_t>(source.count);
  if (source.fallback_count > 0) {
    WordChooser trial = chooser;
    std::size_t usable = 0;
    for (const std::string& word : candidates) {
      if (usable == wanted) break;
      if (trial.accept(word)) ++usable;
    }
    if (usable < wanted)
      wanted = static_cast<std::size_t>(source.fallback_count);
  }
  std::vector<std::string> words;
  for (const std::string& word : candidates) {
    if (words.size() == wanted) break;
    if (accept(word)) words.push_back(word);
  }
  if (words.size() < wanted) {
    throw std::runtime_error(origin + " yields only " +
                             std::to_string(words.size()) +
                             " usable words of " + std::to_string(wanted));
  }
  return words;
}

}  // namespace

Geography synthetic_geography() {
  return {std::make_shared<ProceduralLandModel>(), synthetic_places(1, 3000),
          synthetic_countries(), world_quantisation()};
}

void build_data_set(const Recipe& recipe, const std::string& root) {
  build_data_set(recipe, synthetic_geography(), root);
}

void build_data_set(const Recipe& recipe, const Geography& geography,
                    const std::string& root) {
  std::vector<Language> languages;
  std::string language_codes;
  for (const LanguageRecipe& language : recipe.languages) {
    languages.emplace_back(language.code);  // rejects unknown codes
    language_codes += language.code + "\n";
  }
  write_data_file(root, data::kDataFormatVersionFileName,
                  text_bytes(data::kExpectedDataFormatVersion));
  write_data_file(root, data::kDataVersionFileName, text_bytes(recipe.version));
  write_data_file(root, data::kLanguageCodesFileName,
                  text_bytes(language_codes));

  const std::vector<std::u16string> table = normalisation_table();
  write_data_file(root, normalise::kNtableFileName, ntable_bytes(table));
  const normalise::Normaliser normaliser{std::vector<std::u16string>(table)};

  WordChooser chooser(normaliser);
  std::map<Language, std::vector<IndexedWord>> indexed;
  std::vector<LanguagePreference> preferences;
  Progress words_progress("words",
                          static_cast<std::int64_t>(recipe.languages.size()));
  for (const LanguageRecipe& language : recipe.languages) {
    words_progress.advance();
    if (language.listed_only) continue;
    const std::vector<std::string> words = choose_words(language, chooser);
    const WordlistFile wordlist = wordlist_file(words);
    write_data_file(root, wordlist::wordlist_file_name(language.code),
                    wordlist.bytes);

    std::vector<std::u16string> normalised;
    normalised.reserve(words.size());
    std::vector<IndexedWord>& entries = indexed[Language(language.code)];
    for (std::size_t i = 0; i < words.size(); ++i) {
      normalised.push_back(normaliser.normalise_u8(words[i]));
      entries.push_back({normalised.back(), wordlist.record_offsets[i]});
    }
    std::vector<std::u16string> suffixes;
    for (const std::string& suffix : language.related_suffixes) {
      suffixes.push_back(normaliser.normalise_u8(suffix));
    }
    write_data_file(
        root, autosuggest::autosuggest_file_name(language.code),
        build_autosuggest_file(normalised,
                               related_groups_by_suffix(normalised, suffixes),
                               default_similar_character_pairs()));
    preferences.push_back(
        {language.code,
         std::vector<std::int32_t>(language.preferred_regions.begin(),
                                   language.preferred_regions.end())});
  }
  words_progress.finish();
  write_data_file(root, wordlist::word_index_format::kFileName,
                  word_index_file(languages, indexed));

  {
    Progress progress("attractiveness", 1);
    write_attr_data_set(build_attr_data_set(*geography.land, preferences),
                        root);
  }

  ExcludedAreaList excluded;
  for (const ExcludedBox& box : recipe.excluded) {
    excluded.boxes.emplace_back(Coordinates(box.sw_lat, box.sw_lng),
                                Coordinates(box.ne_lat, box.ne_lng));
  }
  write_excluded_areas(root, excluded);

  {
    Progress progress("places", 1);
    write_nearest_place_files(root, geography.places);
  }
  {
    Progress progress("countries", 1);
    write_data_file(root, find_country::kCountriesFileName,
                    write_countries(geography.countries.outlines,
                                    geography.countries.disputed,
                                    geography.country_quantisation));
  }
  // Last, so that it covers every file.
  manifest::write_manifest(root);
}

}  // namespace mkdata
}  // namespace tessera
