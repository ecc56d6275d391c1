// tessera: the engine on the command line.
#include <cstdio>
#include <exception>

#include <CLI/CLI.hpp>

#include "tessera/version.h"

int main(int argc, char** argv) noexcept try {
  CLI::App app{"tessera: three-word addresses from positions and back"};
  app.require_subcommand(1);
  app.add_subcommand("version", "Print the engine version")->callback([] {
    std::printf("%s\n", tessera::kEngineVersion);
  });
  CLI11_PARSE(app, argc, argv);
  return 0;
} catch (const std::exception& e) {
  std::fprintf(stderr, "tessera: %s\n", e.what());
  return 1;
}
