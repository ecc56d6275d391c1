#include "engine/tsr_data_disk.h"

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
using data::OnDisk;

TSRDataDisk::TSRDataDisk(
    std::set<Language>&& languages,
    std::map<Language, algorithm::AttrData>&& attractiveness,
    std::unique_ptr<algorithm::ExcludedAreas>&& excluded_areas,
    std::unique_ptr<normalise::Normaliser>&& normaliser,
    std::unique_ptr<Wordlists>&& all_wordlists,
    PlaceFinder&& nearest_place_finder,
    find_country::LocatedCountryFinder<InMemory>&& country_finder,
    const std::string& data_version,
    std::shared_ptr<data::FileSystem> file_system)
    : TSRDataLocated(
          TSRDataBase(std::move(languages), std::move(attractiveness),
                      std::move(excluded_areas), std::move(normaliser),
                      std::move(country_finder), data_version),
          std::move(all_wordlists), std::move(nearest_place_finder)),
      file_system_(std::move(file_system)) {}

TSRDataDisk read_disk_data(std::shared_ptr<data::FileSystem> files) {
  const data::FileSystem& fs = *files;
  check_data_format_version(fs);
  std::set<Language> languages = data::get_available_languages_codes(fs);
  assert_english_installed(languages);

  auto shared =
      algorithm::read_shared_attr_data(fs.open("attractiveness/blocks.data"));
  std::map<Language, algorithm::AttrData> attractiveness;
  for (const Language& language : languages) {
    attractiveness.emplace(
        language,
        algorithm::read_attr_data(
            shared, fs.open(language_file(language, ".block_order"))));
  }

  auto excluded =
      std::make_unique<algorithm::ExcludedAreas>(algorithm::read_excluded_areas(
          fs.open("excluded/excluded_small_rectangles.data"),
          fs.open("excluded/excluded_large_strips.data")));
  auto normaliser = std::make_unique<normalise::Normaliser>(
      normalise::read_normaliser(fs.open("normalisation/ntable.data")));

  const std::vector<Language> index_languages = read_index_languages(fs);
  wordlist::LocatedWordlistIndex<OnDisk> index(
      index_languages, OnDisk(fs.open("index/wordlist_index.data")));
  std::map<Language, wordlist::LocatedWordlist<OnDisk>> wordlists;
  for (const Language& language : languages) {
    wordlists.emplace(
        language,
        wordlist::LocatedWordlist<OnDisk>(
            language, OnDisk(fs.open(language_file(language, ".wordlist")))));
  }
  auto all_wordlists = std::make_unique<TSRDataDisk::Wordlists>(
      *normaliser, std::move(wordlists), std::move(index));

  OnDisk places(fs.open("nearest_place_finder/places.data"));
  OnDisk kdtree(fs.open("nearest_place_finder/kdtree.data"));
  OnDisk syntax(fs.open("nearest_place_finder/syntax.data"));
  find_nearest_place::LocatedKDTree<OnDisk> tree(std::move(kdtree));
  TSRDataDisk::PlaceFinder nearest_places(std::move(places), std::move(tree),
                                          std::move(syntax));

  find_country::LocatedCountryFinder<InMemory> countries(
      load_in_memory(fs, "countries/countries.data"));
  const std::string data_version = read_data_version(fs);

  return TSRDataDisk(std::move(languages), std::move(attractiveness),
                     std::move(excluded), std::move(normaliser),
                     std::move(all_wordlists), std::move(nearest_places),
                     std::move(countries), data_version, std::move(files));
}

}  // namespace engine
}  // namespace tessera
