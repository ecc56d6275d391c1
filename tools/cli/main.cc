// tessera: the engine on the command line.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "tessera/engine.h"

int main(int argc, char** argv) {
  // Batch mode reads and writes many lines; unsynchronised streams are
  // much faster, and nothing here uses C stdio.
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const tessera::cli::Console console{std::cin, std::cout, std::cerr};
  const int status = tessera::cli::run_tool(
      args, console,
      [](tessera::cli::EngineKind kind, const std::string& data_dir) {
        return kind == tessera::cli::EngineKind::kServer
                   ? tessera::new_server_engine(data_dir)
                   : tessera::new_device_engine(data_dir);
      });
  std::cout.flush();
  return status;
}
