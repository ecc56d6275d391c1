// The command line of `tessera`: global options, one subcommand per engine
// query, `tessera batch`, and the exit statuses.
//
// Results go to standard output, one per line: positions as "lat,lng" with
// at most 6 decimals, a square as its south-west and north-east corners on
// one line, a grid section as one line "start end" per grid line,
// suggestions as suggest.h describes. Messages go to standard error.
#ifndef TESSERA_TOOLS_CLI_COMMANDS_H_
#define TESSERA_TOOLS_CLI_COMMANDS_H_

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "tessera/engine.h"

namespace tessera {
namespace cli {

inline constexpr int kExitSuccess = 0;
// The engine threw: the data could not be loaded, or an argument was
// refused (an invalid latitude, an unavailable language).
inline constexpr int kExitFailure = 1;
// The command line itself is wrong, or an argument is not a number.
inline constexpr int kExitUsage = 2;
// The query has no answer: the engine returned an empty Optional.
inline constexpr int kExitNoResult = 3;

inline constexpr char kDefaultDataDir[] = "/usr/share/tsr";

enum class EngineKind { kDevice, kServer };

// Builds an engine over a data directory; throws what the engine's
// factories throw.
using EngineFactory = std::function<std::unique_ptr<Engine>(
    EngineKind kind, const std::string& data_dir)>;

struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// Runs the command line `args` (without the program name) and returns the
// exit status. The engine is built only for commands that read data, after
// their arguments have been checked. Never throws, except std::bad_alloc.
int run_tool(const std::vector<std::string>& args, const Console& console,
             const EngineFactory& make_engine);

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_COMMANDS_H_
