// One data file of arbitrary bytes, read by its reader and then queried:
// damage must end in a FileError, never in a fault, a hang or another
// exception. Built once for each kind of file, named by TESSERA_FUZZ_FILE;
// the other files a reader needs come from the data set that
// TESSERA_FIXTURE_DIR names.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "algorithm/attr_data.h"
#include "algorithm/blocks_format.h"
#include "algorithm/excluded_areas.h"
#include "algorithm/excluded_format.h"
#include "algorithm/read_attr_data.h"
#include "data/file_bytes.h"
#include "data/framing.h"
#include "data/in_memory.h"
#include "find_country/countries_format.h"
#include "find_country/located_country_finder.h"
#include "find_nearest_place/kdtree_format.h"
#include "find_nearest_place/located_kd_tree.h"
#include "find_nearest_place/located_nearest_place_finder.h"
#include "find_nearest_place/places_format.h"
#include "fixture_engine.h"
#include "fuzz_target.h"
#include "normalise/normaliser.h"
#include "normalise/ntable_format.h"
#include "tessera/error.h"
#include "wordlist/located_wordlist.h"
#include "wordlist/located_wordlist_index.h"
#include "wordlist/word_index_format.h"

namespace tessera {
namespace {

enum class FileKind {
  kBlocks,
  kBlockOrder,
  kExcludedSmallRectangles,
  kExcludedLargeStrips,
  kNtable,
  kWordlist,
  kWordIndex,
  kKdTree,
  kPlaces,
  kSyntax,
  kCountries,
};

constexpr FileKind kKind = FileKind::TESSERA_FUZZ_FILE;

data::FileSystem fixture() { return data::FileSystem(fuzz::fixture_dir()); }

data::FileBytes fixture_file(const std::string& name) {
  return data::read_file_bytes(fixture(), name, data::kMaxDataFileLength);
}

data::InMemory fixture_source(const std::string& name) {
  return data::InMemory::open(fixture(), name);
}

// Positions spread over the globe, poles and antimeridian included.
std::vector<Coordinates> positions() {
  std::vector<Coordinates> out;
  for (int i = 0; i < 24; ++i) {
    out.emplace_back(-90.0 + 7.5 * i, -180.0 + 15.0 * i + 0.123);
  }
  return out;
}

void read(const data::FileBytes& file) {
  switch (kKind) {
    case FileKind::kBlocks: {
      const auto shared = algorithm::read_shared_attr_data(file);
      const algorithm::AttrData attr(shared, [] {
        std::vector<int> order(algorithm::kBlockCount);
        for (int i = 0; i < algorithm::kBlockCount; ++i) order[i] = i;
        return order;
      }());
      for (int n = 0; n < 64; ++n) {
        attr.start_attr_of_cell_at(n * 131 % 8640, n * 67 % 4320);
        attr.cell_containing_attr(n * 886943199238LL);
      }
      break;
    }
    case FileKind::kBlockOrder: {
      static const auto shared = algorithm::read_shared_attr_data(
          fixture_file(algorithm::kBlocksFileName));
      const algorithm::AttrData attr = algorithm::read_attr_data(shared, file);
      attr.cell_containing_attr(123456789);
      break;
    }
    case FileKind::kExcludedSmallRectangles:
      algorithm::read_excluded_areas(
          file, fixture_file(algorithm::kExcludedLargeStripsFile));
      break;
    case FileKind::kExcludedLargeStrips:
      algorithm::read_excluded_areas(
          fixture_file(algorithm::kExcludedSmallRectanglesFile), file);
      break;
    case FileKind::kNtable: {
      const normalise::Normaliser normaliser = normalise::read_normaliser(file);
      normaliser.normalise_u16(u"Stra\u00dfe \uac00\u00e9A");
      break;
    }
    case FileKind::kWordlist: {
      const wordlist::LocatedWordlist<data::InMemory> list(
          Language("en"), data::InMemory(std::vector<char>(file.bytes.begin(),
                                                           file.bytes.end()),
                                         file.name));
      for (int i = 0; i < list.length() && i < 256; ++i) list.word_no(i);
      for (int offset : {0, 4, 8, 100, 1000}) list.at_offset(offset);
      break;
    }
    case FileKind::kWordIndex: {
      const wordlist::LocatedWordlistIndex<data::InMemory> index(
          {Language("en"), Language("fr"), Language("de"), Language("ja")},
          data::InMemory(
              std::vector<char>(file.bytes.begin(), file.bytes.end()),
              file.name));
      for (const char16_t* word : {u"a", u"index", u"haus", u""}) {
        index.guess_language_and_offset(word);
      }
      break;
    }
    case FileKind::kKdTree: {
      const find_nearest_place::LocatedKDTree<data::InMemory> tree(
          data::InMemory(
              std::vector<char>(file.bytes.begin(), file.bytes.end()),
              file.name));
      for (const Coordinates& p : positions()) tree.nearest_to(p, 300000);
      break;
    }
    case FileKind::kPlaces:
    case FileKind::kSyntax: {
      data::InMemory fuzzed(
          std::vector<char>(file.bytes.begin(), file.bytes.end()), file.name);
      const bool places = kKind == FileKind::kPlaces;
      const find_nearest_place::LocatedNearestPlaceFinder<data::InMemory>
          finder(places ? std::move(fuzzed)
                        : fixture_source(find_nearest_place::kPlacesFileName),
                 find_nearest_place::LocatedKDTree<data::InMemory>(
                     fixture_source(find_nearest_place::kKdTreeFileName)),
                 places ? fixture_source(find_nearest_place::kSyntaxFileName)
                        : std::move(fuzzed));
      for (const Coordinates& p : positions()) {
        for (const char* code : {"en", "de", "ja"}) {
          finder.nearest_to(p, Language(code), 300000);
        }
      }
      break;
    }
    case FileKind::kCountries: {
      const find_country::LocatedCountryFinder<data::InMemory> finder(
          data::InMemory(
              std::vector<char>(file.bytes.begin(), file.bytes.end()),
              file.name));
      for (const Coordinates& p : positions()) {
        finder.country_of(p);
        finder.is_point_in(p, {Country("AA"), Country("XD")});
      }
      finder.expand_with_disputed({Country("AA")});
      break;
    }
  }
}

}  // namespace
}  // namespace tessera

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  tessera::data::FileBytes file{std::vector<std::uint8_t>(data, data + size),
                                "fuzzed.data"};
  try {
    tessera::read(file);
  } catch (const tessera::FileError&) {
    // Damage found and reported: the outcome wanted.
  }
  return 0;
}
