#include "engine/read_data.h"

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "algorithm/blocks_format.h"
#include "algorithm/excluded_format.h"
#include "algorithm/read_attr_data.h"
#include "autosuggest/autosuggest_data.h"
#include "autosuggest/autosuggest_format.h"
#include "autosuggest/autosuggest_helper.h"
#include "data/data_format_version.h"
#include "data/data_version.h"
#include "data/file_bytes.h"
#include "data/framing.h"
#include "data/page_cache.h"
#include "engine/installed_languages.h"
#include "find_country/countries_format.h"
#include "find_nearest_place/kdtree_format.h"
#include "find_nearest_place/places_format.h"
#include "normalise/ntable_format.h"
#include "tessera/error.h"
#include "wordlist/located_wordlist.h"
#include "wordlist/located_wordlist_index.h"
#include "wordlist/word_index_format.h"
#include "wordlist/wordlist_format.h"

namespace tessera {
namespace engine {
namespace {

// The unframed binary files are parsed whole; none may be larger than the
// largest framed file.
constexpr std::size_t kMaxUnframedFileSize = data::kMaxDataFileLength;

// The device engine's files share one page cache of this many bytes: it
// holds the parts of the wordlists, the word index and the place files that
// queries keep coming back to (an English address reads from some 350 KB of
// its wordlist on land), so that most queries make no system call at all.
// Its pages are taken as they are first read.
constexpr std::size_t kDevicePageCacheBytes = std::size_t{1} << 20;

template <typename Source>
Source open_source(const data::FileSystem& files, const std::string& name,
                   const std::shared_ptr<data::PageCache>& cache);

template <>
data::OnDisk open_source<data::OnDisk>(
    const data::FileSystem& files, const std::string& name,
    const std::shared_ptr<data::PageCache>& cache) {
  return data::OnDisk(files, name, cache);
}

template <>
data::InMemory open_source<data::InMemory>(
    const data::FileSystem& files, const std::string& name,
    const std::shared_ptr<data::PageCache>&) {
  return data::InMemory::open(files, name);
}

data::FileBytes read_unframed(const data::FileSystem& files,
                              const std::string& name) {
  return data::read_file_bytes(files, name, kMaxUnframedFileSize);
}

void assert_english_installed(const std::set<Language>& languages) {
  if (languages.count(Language("en")) == 0) {
    FileError::raise("Language pack for English is not found.");
  }
}

}  // namespace

template <typename Source>
TSRData<Source> read_data(std::shared_ptr<const data::FileSystem> files) {
  const data::FileSystem& fs = *files;
  typename TSRData<Source>::Parts parts;
  data::verify_data_format_version(data::read_data_format_version(fs));
  parts.languages = get_available_languages_codes(fs);
  assert_english_installed(parts.languages);

  const auto shared = algorithm::read_shared_attr_data(
      read_unframed(fs, algorithm::kBlocksFileName));
  for (const Language& language : parts.languages) {
    parts.attractiveness.emplace(
        language,
        algorithm::read_attr_data(
            shared, read_unframed(
                        fs, algorithm::block_order_file_name(language.code))));
  }

  parts.excluded_areas =
      std::make_unique<algorithm::ExcludedAreas>(algorithm::read_excluded_areas(
          read_unframed(fs, algorithm::kExcludedSmallRectanglesFile),
          read_unframed(fs, algorithm::kExcludedLargeStripsFile)));
  parts.normaliser =
      std::make_unique<normalise::Normaliser>(normalise::read_normaliser(
          read_unframed(fs, normalise::kNtableFileName)));

  std::shared_ptr<data::PageCache> cache;
  if constexpr (std::is_same_v<Source, data::OnDisk>) {
    cache = std::make_shared<data::PageCache>(kDevicePageCacheBytes);
  }
  wordlist::LocatedWordlistIndex<Source> index(
      listed_languages(fs),
      open_source<Source>(fs, wordlist::word_index_format::kFileName, cache));
  std::map<Language, wordlist::LocatedWordlist<Source>> wordlists;
  for (const Language& language : parts.languages) {
    wordlists.emplace(
        language,
        wordlist::LocatedWordlist<Source>(
            language,
            open_source<Source>(
                fs, wordlist::wordlist_file_name(language.code), cache)));
  }
  parts.all_wordlists = std::make_unique<typename TSRData<Source>::Wordlists>(
      *parts.normaliser, std::move(wordlists), std::move(index));

  Source places =
      open_source<Source>(fs, find_nearest_place::kPlacesFileName, cache);
  find_nearest_place::LocatedKDTree<Source> tree(
      open_source<Source>(fs, find_nearest_place::kKdTreeFileName, cache));
  Source syntax =
      open_source<Source>(fs, find_nearest_place::kSyntaxFileName, cache);
  parts.nearest_place_finder =
      std::make_unique<typename TSRData<Source>::PlaceFinder>(
          std::move(places), std::move(tree), std::move(syntax));

  // The country outlines are always held in memory: every query may visit
  // any of them.
  parts.country_finder =
      std::make_unique<typename TSRData<Source>::CountryFinder>(
          data::InMemory::open(fs, find_country::kCountriesFileName));
  parts.data_version = data::read_data_version(fs);
  if constexpr (std::is_same_v<Source, data::InMemory>) {
    for (const Language& language : parts.languages) {
      parts.autosuggest_helpers.emplace(
          language,
          std::make_shared<const autosuggest::AutosuggestHelper>(
              language,
              autosuggest::read_autosuggest_data(data::InMemory::open(
                  fs, autosuggest::autosuggest_file_name(language.code))),
              *parts.all_wordlists, *parts.normaliser));
    }
  }
  parts.file_system = std::move(files);
  return TSRData<Source>(std::move(parts));
}

template TSRData<data::OnDisk> read_data<data::OnDisk>(
    std::shared_ptr<const data::FileSystem>);
template TSRData<data::InMemory> read_data<data::InMemory>(
    std::shared_ptr<const data::FileSystem>);

}  // namespace engine
}  // namespace tessera
