#include "engine/tsr_data_memory.h"

#include <utility>
#include <vector>

#include "algorithm/read_attr_data.h"
#include "data/available_languages.h"
#include "engine/loading.h"
#include "wordlist/located_wordlist.h"
#include "wordlist/located_wordlist_index.h"

namespace tessera {
namespace engine {

using data::InMemory;

TSRDataMemory::TSRDataMemory(
    std::set<Language>&& languages,
    std::map<Language, algorithm::AttrData>&& attractiveness,
    std::unique_ptr<algorithm::ExcludedAreas>&& excluded_areas,
    std::unique_ptr<normalise::Normaliser>&& normaliser,
    std::unique_ptr<Wordlists>&& all_wordlists,
    PlaceFinder&& nearest_place_finder,
    find_country::LocatedCountryFinder<InMemory>&& country_finder,
    const std::string& data_version)
    : TSRDataLocated(
          TSRDataBase(std::move(languages), std::move(attractiveness),
                      std::move(excluded_areas), std::move(normaliser),
                      std::move(country_finder), data_version),
          std::move(all_wordlists), std::move(nearest_place_finder)) {}

TSRDataMemory read_memory_data(const data::FileSystem& fs) {
  check_data_format_version(fs);
  auto shared =
      algorithm::read_shared_attr_data(fs.open("attractiveness/blocks.data"));
  auto excluded =
      std::make_unique<algorithm::ExcludedAreas>(algorithm::read_excluded_areas(
          fs.open("excluded/excluded_small_rectangles.data"),
          fs.open("excluded/excluded_large_strips.data")));
  auto normaliser = std::make_unique<normalise::Normaliser>(
      normalise::read_normaliser(fs.open("normalisation/ntable.data")));
  wordlist::LocatedWordlistIndex<InMemory> index(
      read_index_languages(fs),
      load_in_memory(fs, "index/wordlist_index.data"));

  InMemory places = load_in_memory(fs, "nearest_place_finder/places.data");
  find_nearest_place::LocatedKDTree<InMemory> tree(
      load_in_memory(fs, "nearest_place_finder/kdtree.data"));
  InMemory syntax = load_in_memory(fs, "nearest_place_finder/syntax.data");
  TSRDataMemory::PlaceFinder nearest_places(std::move(places), std::move(tree),
                                            std::move(syntax));
  find_country::LocatedCountryFinder<InMemory> countries(
      load_in_memory(fs, "countries/countries.data"));
  const std::string data_version = read_data_version(fs);

  std::set<Language> languages = data::get_available_languages_codes(fs);
  assert_english_installed(languages);
  std::map<Language, algorithm::AttrData> attractiveness;
  std::map<Language, wordlist::LocatedWordlist<InMemory>> wordlists;
  for (const Language& language : languages) {
    attractiveness.emplace(
        language,
        algorithm::read_attr_data(
            shared, fs.open(language_file(language, ".block_order"))));
    wordlists.emplace(
        language, wordlist::LocatedWordlist<InMemory>(
                      language, load_in_memory(
                                    fs, language_file(language, ".wordlist"))));
  }
  auto all_wordlists = std::make_unique<TSRDataMemory::Wordlists>(
      *normaliser, std::move(wordlists), std::move(index));

  return TSRDataMemory(std::move(languages), std::move(attractiveness),
                       std::move(excluded), std::move(normaliser),
                       std::move(all_wordlists), std::move(nearest_places),
                       std::move(countries), data_version);
}

}  // namespace engine
}  // namespace tessera
