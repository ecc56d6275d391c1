// tessera_benchmarks: the speed and memory of both engines on one data
// directory.
//
//   tessera_benchmarks [--data=DIR] [--languages=all|CODE[,CODE...]]
//                      [Google Benchmark flags]
//
// Per call, for the device and the server engine: convert_to_3wa,
// convert_to_coordinates, nearest_place and country_code, cycling through a
// fixed sample of positions on land and one over the whole globe, and the
// addresses those positions convert to (computed before any timing). Per
// load: the device and the server engine built and destroyed; the
// resident memory of the process after loading one device engine, and
// after 100,000 mixed queries to one; and the location service's datagrams
// per second beside a bare posix_spawn loop of its device command
// (service_benchmark.h).
//
// The data directory is --data, else the environment variable
// TESSERA_BENCH_DATA, else the fixture data set, built for the run into a
// temporary directory and removed at the end. The per-language benchmarks
// run in English only, unless --languages names others ("all" takes every
// language the data set has).
//
// With --answers=FILE it measures nothing: it writes every answer of both
// engines on 10,000 positions on land and 10,000 over the globe to FILE
// (answer_sheet.h), in the languages of --languages, and exits with status
// 1 when the engines disagree anywhere. Sheets written by two builds on the
// same data directory must be identical.
//
// What we aim for (world data set, per call): the server engine converts to
// an address in 0.2 us and back in 0.4 us, finds the nearest place in 1.5 us
// and the country in 3 us, and loads in 60 ms; the device engine takes 3 us,
// 6 us, 30 us and 5 us, loads in 20 ms, and holds 12 MB resident after the
// load and 14 MB after 100,000 mixed queries. The service passes on at
// least 90% as many datagrams per second as a bare posix_spawn loop starts
// its command.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "answer_sheet.h"
#include "data_directory.h"
#include "resident_memory.h"
#include "sample_positions.h"
#include "service_benchmark.h"
#include "tessera/coordinates.h"
#include "tessera/engine.h"
#include "tessera/language.h"
#include "tessera/optional.h"

namespace tessera {
namespace bench {
namespace {

constexpr std::size_t kSampleSize = 4096;
constexpr std::uint64_t kLandSeed = 20240611;
constexpr std::uint64_t kGlobeSeed = 20240612;
constexpr std::size_t kAnswerSampleSize = 10000;
constexpr std::size_t kMixedQueries = 100000;

struct Options {
  std::string data_dir;
  std::string languages = "en";
  std::string answers;
};

bool starts_with(const std::string& text, const char* prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Takes this program's own options out of argv and leaves the rest for
// Google Benchmark. Throws std::invalid_argument for --data without a value.
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
    } else if (arg == "--data") {
      if (i + 1 == *argc) throw std::invalid_argument("--data needs a DIR");
      options.data_dir = argv[++i];
    } else if (starts_with(arg, "--answers=")) {
      options.answers = arg.substr(10);
    } else if (starts_with(arg, "--languages=")) {
      options.languages = arg.substr(12);
    } else {
      argv[kept++] = argv[i];
    }
  }
  *argc = kept;
  argv[kept] = nullptr;
  return options;
}

std::vector<std::string> split_list(const std::string& list) {
  std::vector<std::string> items;
  std::size_t begin = 0;
  while (begin <= list.size()) {
    std::size_t end = list.find(',', begin);
    if (end == std::string::npos) end = list.size();
    if (end > begin) items.push_back(list.substr(begin, end - begin));
    begin = end + 1;
  }
  return items;
}

enum class EngineKind { kDevice, kServer };

const char* engine_name(EngineKind kind) {
  return kind == EngineKind::kDevice ? "device" : "server";
}

std::unique_ptr<Engine> load_engine(EngineKind kind, const std::string& dir) {
  return kind == EngineKind::kDevice ? new_device_engine(dir)
                                     : new_server_engine(dir);
}

struct Sample {
  const char* name;
  std::vector<Coordinates> positions;
};

// An engine and the addresses of the samples, made on first use: only the
// benchmarks that run pay for them, and never inside a timed loop. The
// benchmarks run one at a time, so this needs no lock.
class EngineUnderTest {
 public:
  EngineUnderTest(EngineKind kind, std::string data_dir)
      : kind_(kind), data_dir_(std::move(data_dir)) {}

  EngineKind kind() const { return kind_; }

  // Throws what the engine's factory throws.
  const Engine& engine() {
    if (!engine_) engine_ = load_engine(kind_, data_dir_);
    return *engine_;
  }

  // The addresses of the sample's positions in `language`, in sample order;
  // excluded squares have none and are left out. Throws std::runtime_error
  // when no position has an address, and what the engine throws.
  const std::vector<std::string>& addresses(const Sample& sample,
                                            const Language& language) {
    auto key = std::make_pair(&sample, language.code);
    auto found = addresses_.find(key);
    if (found != addresses_.end()) return found->second;
    const Engine& converter = engine();
    std::vector<std::string> addresses;
    addresses.reserve(sample.positions.size());
    for (const Coordinates& position : sample.positions) {
      Optional<std::string> address =
          converter.convert_to_3wa(position, language);
      if (address) addresses.push_back(std::move(*address));
    }
    if (addresses.empty()) {
      throw std::runtime_error(std::string("no position of the ") +
                               sample.name + " sample has an address");
    }
    return addresses_.emplace(key, std::move(addresses)).first->second;
  }

 private:
  EngineKind kind_;
  std::string data_dir_;
  std::unique_ptr<Engine> engine_;
  std::map<std::pair<const Sample*, std::string>, std::vector<std::string>>
      addresses_;
};

// Runs `prepare` before the timed loop. When it throws, skips the benchmark
// with the message and returns false.
template <typename Prepare>
bool prepare_or_skip(benchmark::State& state, Prepare&& prepare) {
  try {
    prepare();
    return true;
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return false;
  }
}

std::size_t next_index(std::size_t i, std::size_t size) {
  return i + 1 == size ? 0 : i + 1;
}

void convert_to_3wa_call(benchmark::State& state, EngineUnderTest& under_test,
                         const Sample& sample, const Language& language) {
  const Engine* engine = nullptr;
  if (!prepare_or_skip(state, [&] { engine = &under_test.engine(); })) return;
  const std::vector<Coordinates>& positions = sample.positions;
  std::size_t i = 0;
  for (auto _ : state) {
    Optional<std::string> address =
        engine->convert_to_3wa(positions[i], language);
    benchmark::DoNotOptimize(address);
    i = next_index(i, positions.size());
  }
}

void convert_to_coordinates_call(benchmark::State& state,
                                 EngineUnderTest& under_test,
                                 const Sample& sample,
                                 const Language& language) {
  const Engine* engine = nullptr;
  const std::vector<std::string>* addresses = nullptr;
  if (!prepare_or_skip(state, [&] {
        engine = &under_test.engine();
        addresses = &under_test.addresses(sample, language);
      })) {
    return;
  }
  std::size_t i = 0;
  for (auto _ : state) {
    // Passed by copy, as a caller holding the text would.
    Optional<Coordinates> position =
        engine->convert_to_coordinates((*addresses)[i]);
    benchmark::DoNotOptimize(position);
    i = next_index(i, addresses->size());
  }
}

void nearest_place_call(benchmark::State& state, EngineUnderTest& under_test,
                        const Sample& sample, const Language& language) {
  const Engine* engine = nullptr;
  if (!prepare_or_skip(state, [&] { engine = &under_test.engine(); })) return;
  const std::vector<Coordinates>& positions = sample.positions;
  std::size_t i = 0;
  for (auto _ : state) {
    Optional<std::string> place = engine->nearest_place(positions[i], language);
    benchmark::DoNotOptimize(place);
    i = next_index(i, positions.size());
  }
}

void country_code_call(benchmark::State& state, EngineUnderTest& under_test,
                       const Sample& sample) {
  const Engine* engine = nullptr;
  if (!prepare_or_skip(state, [&] { engine = &under_test.engine(); })) return;
  const std::vector<Coordinates>& positions = sample.positions;
  std::size_t i = 0;
  for (auto _ : state) {
    std::string code = engine->country_code(positions[i]);
    benchmark::DoNotOptimize(code);
    i = next_index(i, positions.size());
  }
}

// Builds and destroys an engine per iteration.
void load(benchmark::State& state, EngineKind kind, const std::string& dir) {
  for (auto _ : state) {
    try {
      std::unique_ptr<Engine> engine = load_engine(kind, dir);
      benchmark::DoNotOptimize(engine.get());
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
      break;
    }
  }
}

// Loads one device engine and reports, in MB of 10^6 bytes, the process's
// resident memory with it loaded (rss_MB) and how much the load added
// (rss_delta_MB). The freed heap is handed back first, so that pages the
// load reuses count as added.
void resident_memory_after_load(benchmark::State& state,
                                const std::string& dir) {
  std::int64_t before_kib = -1;
  std::int64_t after_kib = -1;
  for (auto _ : state) {
    try {
      release_free_heap();
      before_kib = resident_memory_kib();
      std::unique_ptr<Engine> engine = new_device_engine(dir);
      after_kib = resident_memory_kib();
      benchmark::DoNotOptimize(engine.get());
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
      return;
    }
  }
  if (before_kib < 0 || after_kib < 0) {
    state.SkipWithError("VmRSS cannot be read from /proc/self/status");
    return;
  }
  constexpr double kMbPerKib = 1024.0 / 1e6;
  state.counters["rss_MB"] = static_cast<double>(after_kib) * kMbPerKib;
  state.counters["rss_delta_MB"] =
      static_cast<double>(after_kib - before_kib) * kMbPerKib;
}

// Loads one device engine, asks it kMixedQueries questions in turn (an
// address, the position of that address, the nearest place, the country),
// cycling through the samples' positions, and reports the process's
// resident memory then (rss_MB), in MB of 10^6 bytes: what a device holds
// once the engine has been in use for a while.
void resident_memory_after_queries(benchmark::State& state,
                                   const std::string& dir,
                                   const std::vector<Sample>& samples) {
  std::int64_t after_kib = -1;
  for (auto _ : state) {
    try {
      release_free_heap();
      const std::unique_ptr<Engine> engine = new_device_engine(dir);
      const Language english("en");
      std::string address;
      std::size_t i = 0;
      for (std::size_t query = 0; query < kMixedQueries; ++query) {
        const Sample& sample = samples[query / 4 % samples.size()];
        const Coordinates& position =
            sample.positions[i++ % sample.positions.size()];
        switch (query % 4) {
          case 0: {
            const Optional<std::string> found =
                engine->convert_to_3wa(position, english);
            address = found ? *found : std::string();
            break;
          }
          case 1:
            if (!address.empty()) {
              benchmark::DoNotOptimize(engine->convert_to_coordinates(address));
            }
            break;
          case 2:
            benchmark::DoNotOptimize(engine->nearest_place(position, english));
            break;
          default:
            benchmark::DoNotOptimize(engine->country_code(position));
        }
      }
      after_kib = resident_memory_kib();
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
      return;
    }
  }
  if (after_kib < 0) {
    state.SkipWithError("VmRSS cannot be read from /proc/self/status");
    return;
  }
  state.counters["rss_MB"] = static_cast<double>(after_kib) * (1024.0 / 1e6);
}

// The languages of the per-language benchmarks: those named in `list`, or
// with "all" every language the data set has. Throws std::runtime_error when
// a named language is not available in the data set or "all" finds none,
// and InvalidArgumentError for a malformed code.
std::vector<Language> chosen_languages(const Engine& engine,
                                       const std::string& list) {
  std::vector<Language> languages;
  if (list == "all") {
    for (const std::string& code : engine.available_languages()) {
      Language language(code);
      if (engine.is_available(language).code == 0) {
        languages.push_back(language);
      }
    }
  } else {
    for (const std::string& code : split_list(list)) {
      Language language(code);
      if (engine.is_available(language).code != 0) {
        throw std::runtime_error("language " + code +
                                 " is not available in the data set");
      }
      languages.push_back(language);
    }
  }
  if (languages.empty()) {
    throw std::runtime_error("no language to run the benchmarks in");
  }
  return languages;
}

std::string join(const std::vector<Language>& languages) {
  std::string text;
  for (const Language& language : languages) {
    if (!text.empty()) text += ',';
    text += language.code;
  }
  return text;
}

// Registers every benchmark, in the order they run: the device engine's
// memory first, while the process holds nothing else, then the loads, then
// the calls of each engine. Everything passed must outlive the run.
void register_benchmarks(
    const std::string& dir, const std::vector<Sample>& samples,
    const std::vector<Language>& languages,
    const std::vector<std::unique_ptr<EngineUnderTest>>& engines) {
  benchmark::RegisterBenchmark("device/resident_memory_after_load",
                               [&dir](benchmark::State& state) {
                                 resident_memory_after_load(state, dir);
                               })
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(
      "device/resident_memory_after_100000_queries",
      [&dir, &samples](benchmark::State& state) {
        resident_memory_after_queries(state, dir, samples);
      })
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  for (EngineKind kind : {EngineKind::kDevice, EngineKind::kServer}) {
    benchmark::RegisterBenchmark(
        (std::string(engine_name(kind)) + "/load").c_str(),
        [kind, &dir](benchmark::State& state) { load(state, kind, dir); })
        ->Unit(benchmark::kMillisecond);
  }

  for (const std::unique_ptr<EngineUnderTest>& owned : engines) {
    EngineUnderTest* under_test = owned.get();
    const std::string prefix =
        std::string(engine_name(under_test->kind())) + "/";
    for (const Language& language : languages) {
      const Language* lang = &language;
      for (const Sample& sample : samples) {
        const Sample* s = &sample;
        const std::string suffix =
            std::string("/") + sample.name + "/" + language.code;
        benchmark::RegisterBenchmark(
            (prefix + "convert_to_3wa" + suffix).c_str(),
            [under_test, s, lang](benchmark::State& state) {
              convert_to_3wa_call(state, *under_test, *s, *lang);
            })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(
            (prefix + "convert_to_coordinates" + suffix).c_str(),
            [under_test, s, lang](benchmark::State& state) {
              convert_to_coordinates_call(state, *under_test, *s, *lang);
            })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(
            (prefix + "nearest_place" + suffix).c_str(),
            [under_test, s, lang](benchmark::State& state) {
              nearest_place_call(state, *under_test, *s, *lang);
            })
            ->Unit(benchmark::kMicrosecond);
      }
    }
    for (const Sample& sample : samples) {
      const Sample* s = &sample;
      benchmark::RegisterBenchmark(
          (prefix + "country_code/" + sample.name).c_str(),
          [under_test, s](benchmark::State& state) {
            country_code_call(state, *under_test, *s);
          })
          ->Unit(benchmark::kMicrosecond);
    }
  }
  register_service_benchmarks(dir, samples.front().positions);
}

}  // namespace
}  // namespace bench
}  // namespace tessera

int main(int argc, char** argv) noexcept try {
  using namespace tessera::bench;
  const Options options = take_options(&argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

  const DataDirectory data(options.data_dir);
  std::vector<tessera::Language> languages;
  {
    // Loaded once up front to check the languages; freed before the memory
    // benchmark runs.
    const std::unique_ptr<tessera::Engine> engine =
        tessera::new_device_engine(data.path());
    languages = chosen_languages(*engine, options.languages);
    benchmark::AddCustomContext("tessera_data_version", engine->data_version());
  }
  if (!options.answers.empty()) {
    std::vector<tessera::Coordinates> positions =
        land_positions(data.path(), kAnswerSampleSize, kLandSeed);
    const std::vector<tessera::Coordinates> globe =
        globe_positions(kAnswerSampleSize, kGlobeSeed);
    positions.insert(positions.end(), globe.begin(), globe.end());
    const int differences = write_answer_sheet(options.answers, data.path(),
                                               languages, positions);
    std::printf("%s: %zu positions, engines disagree at %d\n",
                options.answers.c_str(), positions.size(), differences);
    return differences == 0 ? 0 : 1;
  }
  const std::vector<Sample> samples = {
      {"land", land_positions(data.path(), kSampleSize, kLandSeed)},
      {"globe", globe_positions(kSampleSize, kGlobeSeed)},
  };
  std::vector<std::unique_ptr<EngineUnderTest>> engines;
  engines.push_back(
      std::make_unique<EngineUnderTest>(EngineKind::kServer, data.path()));
  engines.push_back(
      std::make_unique<EngineUnderTest>(EngineKind::kDevice, data.path()));

  benchmark::AddCustomContext("tessera_data",
                              data.is_temporary()
                                  ? "fixture data set, built for this run"
                                  : data.path());
  benchmark::AddCustomContext("tessera_languages", join(languages));
  benchmark::AddCustomContext(
      "tessera_samples", std::to_string(kSampleSize) +
                             " positions on land (seed " +
                             std::to_string(kLandSeed) + ") and the globe (" +
                             std::to_string(kGlobeSeed) + ")");
  register_benchmarks(data.path(), samples, languages, engines);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
} catch (const std::exception& e) {
  std::fprintf(stderr, "tessera_benchmarks: %s\n", e.what());
  return 1;
}
