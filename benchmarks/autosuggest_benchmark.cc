// tessera_autosuggest_benchmarks: the similar-word search of one language.
//
//   tessera_autosuggest_benchmarks [--data=DIR] [--language=CODE]
//                                  [Google Benchmark flags]
//
// One uncached search (recompute_similar_words_to, the 140 closest words, as
// autosuggest asks for them) per iteration, cycling through misspellings of
// words of the language: a sample of the search table's entries with one
// character replaced. Also the cached front door, for comparison.
//
// The data directory is --data, else the environment variable
// TESSERA_BENCH_DATA, else the fixture data set, built for the run into a
// temporary directory and removed at the end. The language is "en" unless
// --language names another.
//
// What we aim for: at most 1.5 ms per uncached search on a language of
// 40,000 words.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "autosuggest/autosuggest_data.h"
#include "autosuggest/autosuggest_format.h"
#include "autosuggest/levenshtein/mass_levenshtein.h"
#include "data/in_memory.h"
#include "data_directory.h"

namespace tessera {
namespace bench {
namespace {

constexpr int kWanted = 140;
constexpr std::size_t kQueries = 512;

struct Options {
  std::string data_dir;
  std::string language = "en";
};

bool starts_with(const std::string& text, const char* prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Takes this program's own options out of argv and leaves the rest for
// Google Benchmark.
Options take_options(int* argc, char** argv) {
  Options options;
  if (const char* env = std::getenv("TESSERA_BENCH_DATA")) {
    options.data_dir = env;
  }
  int kept = 1;
  for (int i = 1; i < *argc; ++i) {
    const std::string arg = argv[i];
    if (starts_with(arg, "--data=")) {
      options.data_dir = arg.substr(7);
    } else if (starts_with(arg, "--language=")) {
      options.language = arg.substr(11);
    } else {
      argv[kept++] = argv[i];
    }
  }
  *argc = kept;
  argv[kept] = nullptr;
  return options;
}

std::unique_ptr<const autosuggest::AutosuggestData> load(
    const std::string& dir, const std::string& language) {
  const std::string path =
      dir + "/" + autosuggest::autosuggest_file_name(language);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return autosuggest::read_autosuggest_data(
      data::InMemory(in, data::ReadFileLengthFromFile{}));
}

// Misspellings of evenly spread entries of the search table: the middle
// character of each replaced by the next encodable one.
std::vector<std::u16string> misspellings(
    const autosuggest::AutosuggestData& data) {
  const autosuggest::LevenshteinTable& table = data.levenshtein_table();
  const std::vector<char16_t>& characters = data.encodable_characters();
  std::vector<std::u16string> words;
  const std::uint8_t* codes = table.codes();
  std::vector<std::u16string> all;
  for (std::uint32_t k = 0; k < table.entry_count(); ++k) {
    std::u16string word;
    for (int i = 0; i < table.length(k); ++i) {
      // Codes come from the table and lie in 1 ... c + 1; c + 1 is no
      // character of the list, so it stands as the first one.
      const std::size_t code = codes[i];
      word += code <= characters.size() ? characters[code - 1] : characters[0];
    }
    codes += table.length(k);
    all.push_back(std::move(word));
  }
  if (all.empty() || characters.empty()) {
    throw std::runtime_error("the language has no searchable words");
  }
  const std::size_t step = std::max<std::size_t>(1, all.size() / kQueries);
  for (std::size_t k = 0; k < all.size() && words.size() < kQueries;
       k += step) {
    std::u16string word = all[k];
    char16_t& middle = word[word.size() / 2];
    std::size_t next = 0;
    while (next < characters.size() && characters[next] != middle) ++next;
    middle = characters[(next + 1) % characters.size()];
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace
}  // namespace bench
}  // namespace tessera

int main(int argc, char** argv) noexcept try {
  using namespace tessera;
  using namespace tessera::bench;
  const Options options = take_options(&argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

  const DataDirectory data(options.data_dir);
  const std::unique_ptr<const autosuggest::AutosuggestData> autosuggest_data =
      load(data.path(), options.language);
  const autosuggest::levenshtein::MassLevenshtein search(*autosuggest_data);
  const std::vector<std::u16string> queries = misspellings(*autosuggest_data);

  benchmark::AddCustomContext("tessera_data",
                              data.is_temporary()
                                  ? "fixture data set, built for this run"
                                  : data.path());
  benchmark::AddCustomContext(
      "tessera_search_table",
      std::to_string(autosuggest_data->levenshtein_table().entry_count()) +
          " words of " + options.language);

  benchmark::RegisterBenchmark(
      ("similar_words/recompute/" + options.language).c_str(),
      [&](benchmark::State& state) {
        std::size_t i = 0;
        for (auto _ : state) {
          auto words = search.recompute_similar_words_to(queries[i], kWanted);
          benchmark::DoNotOptimize(words.data());
          i = i + 1 == queries.size() ? 0 : i + 1;
        }
      })
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark(
      ("similar_words/cached/" + options.language).c_str(),
      [&](benchmark::State& state) {
        for (auto _ : state) {
          auto words = search.similar_words_to(queries[0], kWanted);
          benchmark::DoNotOptimize(words.get());
        }
      })
      ->Unit(benchmark::kMicrosecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
} catch (const std::exception& e) {
  std::fprintf(stderr, "tessera_autosuggest_benchmarks: %s\n", e.what());
  return 1;
}
