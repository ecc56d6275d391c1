// The world data set: real words, land, places and countries from pinned
// open sources (Debian's word lists and three npm packages).
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORLD_DATA_SET_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORLD_DATA_SET_H_

#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// The folder that pins the npm sources (package.json, package-lock.json)
// and holds the script that installs every source.
std::string default_world_sources_dir();

// The languages of the world data set with the countries whose blocks each
// takes first, its own countries first.
struct WorldLanguagePreference {
  std::string code;
  std::vector<std::string> countries;
};
const std::vector<WorldLanguagePreference>& world_language_preferences();

// Installs the sources when any is missing, by running the "install" script
// of `sources_dir` (npm ci there, and Debian's word-list packages). Throws
// std::runtime_error when they are still missing afterwards.
void ensure_world_sources(const std::string& sources_dir);

// Builds the world data set under `root` from the sources of `sources_dir`,
// installing them first if they are missing. English gets 40,000 words;
// every other language 40,000 when its list yields that many words no
// earlier language took, else 25,000 (enough for the land). Takes a few
// minutes; shows progress on a terminal.
//
// Throws std::runtime_error when a source cannot be installed or read, and
// what build_data_set throws.
void build_world_data_set(const std::string& sources_dir,
                          const std::string& root);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORLD_DATA_SET_H_
