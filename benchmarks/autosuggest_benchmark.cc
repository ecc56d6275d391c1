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
// Then the engines' autosuggest of typed addresses with one letter changed,
// at positions spread over the land: with the in-memory engine cold (each
// call's words missing from the similar-word cache: the calls cycle through
// more addresses than the cache holds), warm (the same call again), with a
// focus and with a clip; and with the device engine, which reads the
// language's file and builds its helper on every call.
//
// What we aim for, on a language of 40,000 words: at most 1.5 ms per
// uncached search; autosuggest at most 5 ms cold and 1 ms warm in memory,
// 8 ms on the device engine.
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
#include "sample_positions.h"
#include "tessera/autosuggest_options.h"
#include "tessera/engine.h"

namespace tessera {
namespace bench {
namespace {

constexpr int kWanted = 140;
constexpr std::size_t kQueries = 512;
// Enough distinct addresses that their words overflow the cache of 30.
constexpr std::size_t kAddresses = 128;

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

// Addresses of `language` at positions spread over the land, each with the
// middle letter of its last word replaced by the next letter of the
// alphabet (letters a to z only, so that the text stays valid UTF-8).
std::vector<std::string> misspelt_addresses(const Engine& engine,
                                            const std::string& dir,
                                            const std::string& language) {
  std::vector<std::string> addresses;
  for (const Coordinates& p : land_positions(dir, 4 * kAddresses, 20261211)) {
    const Optional<std::string> address = engine.convert_to_3wa(p, language);
    if (!address.has_value()) continue;
    std::string text = *address;
    const std::size_t last = text.rfind('.');
    const std::size_t middle = last + 1 + (text.size() - last - 1) / 2;
    char& letter = text[middle];
    if (letter < 'a' || letter > 'z') continue;
    letter = letter == 'z' ? 'a' : static_cast<char>(letter + 1);
    addresses.push_back(text);
    if (addresses.size() == kAddresses) break;
  }
  if (addresses.empty()) throw std::runtime_error("no address to misspell");
  return addresses;
}

void autosuggest_cycle(benchmark::State& state, const Engine& engine,
                       const std::vector<std::string>& inputs,
                       const std::vector<AutosuggestOption>& options) {
  std::size_t i = 0;
  for (auto _ : state) {
    auto suggestions = engine.autosuggest(inputs[i], options);
    benchmark::DoNotOptimize(suggestions.data());
    i = i + 1 == inputs.size() ? 0 : i + 1;
  }
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

  const std::unique_ptr<Engine> server = new_server_engine(data.path());
  const std::unique_ptr<Engine> device = new_device_engine(data.path());
  const std::vector<std::string> inputs =
      misspelt_addresses(*server, data.path(), options.language);
  const std::vector<std::string> one = {inputs[0]};
  const std::string tag = "/" + options.language;
  const auto add = [](const std::string& name, auto run) {
    benchmark::RegisterBenchmark(name.c_str(), run)
        ->Unit(benchmark::kMicrosecond);
  };
  add("autosuggest/server/cold" + tag, [&](benchmark::State& state) {
    autosuggest_cycle(state, *server, inputs, {});
  });
  add("autosuggest/server/warm" + tag, [&](benchmark::State& state) {
    autosuggest_cycle(state, *server, one, {});
  });
  add("autosuggest/server/cold_focus" + tag, [&](benchmark::State& state) {
    autosuggest_cycle(state, *server, inputs,
                      {focus(Coordinates(51.5, -0.12)), n_results(5)});
  });
  add("autosuggest/server/warm_focus" + tag, [&](benchmark::State& state) {
    autosuggest_cycle(state, *server, one,
                      {focus(Coordinates(51.5, -0.12)), n_results(5)});
  });
  add("autosuggest/server/cold_clip" + tag, [&](benchmark::State& state) {
    autosuggest_cycle(state, *server, inputs,
                      {clip_to_circle(Circle(Coordinates(48.0, 10.0), 2000))});
  });
  add("autosuggest/device/cold" + tag, [&](benchmark::State& state) {
    autosuggest_cycle(state, *device, inputs, {});
  });
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
} catch (const std::exception& e) {
  std::fprintf(stderr, "tessera_autosuggest_benchmarks: %s\n", e.what());
  return 1;
}
