// tessera-mkdata: builds a data directory for the engine.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>
#include <string>

#include "mkdata/data_set.h"
#include "mkdata/recipe.h"
#include "mkdata/world/world_data_set.h"

int main(int argc, char** argv) noexcept try {
  CLI::App app{
      "tessera-mkdata: builds a tessera data directory.\n"
      "  tessera-mkdata --fixture DIR       the standard test data set\n"
      "  tessera-mkdata --recipe FILE DIR   a data set from a JSON recipe\n"
      "  tessera-mkdata --world DIR         the world from open sources"};
  std::string recipe_file;
  bool fixture = false;
  bool world = false;
  std::string sources_dir = tessera::mkdata::default_world_sources_dir();
  std::string out_dir;
  auto* fixture_flag =
      app.add_flag("--fixture", fixture, "Build the standard test data set");
  auto* world_flag = app.add_flag("--world", world,
                                  "Build the world data set from the pinned "
                                  "open sources, installing "
                                  "them first if they are missing")
                         ->excludes(fixture_flag);
  app.add_option("--recipe", recipe_file, "Build from this JSON recipe")
      ->check(CLI::ExistingFile)
      ->excludes(fixture_flag)
      ->excludes(world_flag);
  app.add_option("--sources", sources_dir,
                 "The folder of the world's pinned sources")
      ->capture_default_str();
  app.add_option("DIR", out_dir, "The data directory to write")->required();
  CLI11_PARSE(app, argc, argv);
  if (!fixture && !world && recipe_file.empty()) {
    std::fprintf(stderr,
                 "tessera-mkdata: give --fixture, --world or --recipe FILE\n");
    return 2;
  }

  if (world) {
    tessera::mkdata::build_world_data_set(sources_dir, out_dir);
    return 0;
  }
  const tessera::mkdata::Recipe recipe =
      fixture ? tessera::mkdata::fixture_recipe()
              : tessera::mkdata::read_recipe_file(recipe_file);
  tessera::mkdata::build_data_set(recipe, out_dir);
  return 0;
} catch (const std::exception& e) {
  std::fprintf(stderr, "tessera-mkdata: %s\n", e.what());
  return 1;
}
