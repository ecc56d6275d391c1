// The world data set: real words, land, places and countries from pinned
// open sources (Debian packages and npm packages, see world_sources.h).
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORLD_DATA_SET_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORLD_DATA_SET_H_

#include <string>
#include <vector>

#include "mkdata/world/world_sources.h"

namespace tessera {
namespace mkdata {

// The languages of the world data set with the countries whose blocks each
// takes first, its own countries first.
struct WorldLanguagePreference {
  std::string code;
  std::vector<std::string> countries;
};
const std::vector<WorldLanguagePreference>& world_language_preferences();

// Builds the world data set under `root` from the sources of `sources_dir`,
// installing them first if they are missing (see ensure_world_sources),
// with a "SOURCES" file beside the engine's files. Each language gets
// 40,000 words, its ranked words first (see read_world_words), so that
// land, whose squares take the first word numbers, takes the ranked words;
// a language whose words, less those that an earlier language took, fall
// short of 40,000 gets 25,000 (enough for the land). Shows progress on a
// terminal.
//
// Throws std::runtime_error when a source cannot be installed or read, and
// what build_data_set throws.
void build_world_data_set(const std::string& sources_dir,
                          const std::string& root);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORLD_DATA_SET_H_
