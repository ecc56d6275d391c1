// `tessera check-data DIR`: whether a data directory is whole and loads.
#ifndef TESSERA_TOOLS_CLI_CHECK_DATA_H_
#define TESSERA_TOOLS_CLI_CHECK_DATA_H_

#include <string>

#include "cli/commands.h"

namespace tessera {
namespace cli {

// What `tessera check-data --help` says after the command's description.
extern const char kCheckDataHelp[];

// Checks the data directory `dir` three ways, and returns the exit status:
//   1. its layout and format version (is_valid_data_path), whose code and
//      message, if any, go to console.out as one line ("0" when sound);
//   2. its manifest "SHA256SUMS": every file it lists must have its digest,
//      and every file must be listed; each damaged, missing or unlisted
//      file is named on a line of its own on console.err;
//   3. when the layout is sound, a load with each engine that `make_engine`
//      builds (device, then server); a load that throws has its message on
//      console.err.
// kExitSuccess when everything is verified; kExitFailure when a file is
// missing or damaged or a load fails; kExitNoResult when the data loads but
// has no manifest, so that its integrity cannot be verified (said on
// console.err). Throws only std::bad_alloc.
int check_data(const std::string& dir, const Console& console,
               const EngineFactory& make_engine);

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_CHECK_DATA_H_
