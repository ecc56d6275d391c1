// The open sources of the world data set: where they lie once installed,
// their installation, and the SOURCES file that credits them.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORLD_SOURCES_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORLD_SOURCES_H_

#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// The folder that pins the sources (package.json, package-lock.json,
// debian-packages.txt) and holds the script that installs them.
std::string default_world_sources_dir();

// Where the install script puts the npm packages ("<dir>/node_modules")
// and unpacks the Debian packages ("<dir>/debian").
std::string node_modules_dir(const std::string& sources_dir);
std::string debian_root(const std::string& sources_dir);

// One world language's files among the unpacked Debian packages, relative
// to debian_root.
struct WorldLanguageFiles {
  std::string code;                 // "en"
  std::string word_list;            // "usr/share/dict/american-english"
  std::string language_model;       // "usr/share/onboard/models/en_US.lm"
  std::string spelling_dictionary;  // "usr/share/hunspell/en_US", without
                                    // ".aff" / ".dic"
};

// en, de, fr, es, it, pt, nl, sv, pl in this order. Thread-safe.
const std::vector<WorldLanguageFiles>& world_language_files();

// Runs the "install" script of `sources_dir` when a file the build reads is
// missing, the Debian pins changed since the packages were unpacked, or the
// hunspell program is not on the PATH.
// Throws std::runtime_error when the script fails or files are still
// missing afterwards.
void ensure_world_sources(const std::string& sources_dir);

// The text of the data set's "SOURCES" file: each source with the version
// that was installed (the Debian packages as debian/VERSIONS lists them,
// the npm packages as their package.json says) and its licence, and which
// licences (GPL, CC-BY-SA) reach the data.
//
// Throws std::runtime_error when a version file cannot be read, or a
// pinned Debian package or npm dependency has no licence on record here.
std::string sources_text(const std::string& sources_dir,
                         const std::string& data_version);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORLD_SOURCES_H_
