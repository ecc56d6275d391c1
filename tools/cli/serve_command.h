// `tessera serve`: the HTTP API and the map page over the in-memory engine.
//
//   tessera --data DIR serve [--listen HOST:PORT] [--threads N]
//                            [--cors-origin ORIGIN] [--web DIR]
//
// --listen defaults to 127.0.0.1:8080 (port 0 picks a free port; an IPv6
// host is written in brackets, [::1]:8080); --threads to 32 request
// threads; --web to the web/ folder of the source tree this program was
// built from (run web/install there first). CORS headers are sent only
// with --cors-origin. The engine is always the in-memory one, whatever
// --engine says.
//
// Prints "loaded DATA_VERSION in SECONDS s", then "listening on URL" once
// the port is bound, and serves until SIGINT or SIGTERM ("stopping"), then
// exits 0 once requests in flight are answered. Exit status 1 when the data
// cannot be loaded or the address cannot be bound, 2 for a malformed flag.
#ifndef TESSERA_TOOLS_CLI_SERVE_COMMAND_H_
#define TESSERA_TOOLS_CLI_SERVE_COMMAND_H_

#include <string>

#include "cli/commands.h"

namespace CLI {
class App;
}  // namespace CLI

namespace tessera {
namespace cli {

class ServeCommand {
 public:
  // Adds the subcommand and its flags to `app`; this object must outlive
  // the parsing.
  explicit ServeCommand(CLI::App& app);

  ServeCommand(const ServeCommand&) = delete;
  ServeCommand& operator=(const ServeCommand&) = delete;

  bool parsed() const;

  // Loads the engine from `data_dir` with `make_engine` and serves. Returns
  // the exit status; throws what the engine's factory and the server throw.
  int run(const Console& console, const EngineFactory& make_engine,
          const std::string& data_dir) const;

 private:
  CLI::App* command_;
  std::string listen_ = "127.0.0.1:8080";
  unsigned threads_ = 32;
  std::string cors_origin_;
  std::string web_dir_;
};

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_SERVE_COMMAND_H_
