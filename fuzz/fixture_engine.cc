#include "fixture_engine.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tessera {
namespace fuzz {

const std::string& fixture_dir() {
  static const std::string dir = [] {
    const char* value = std::getenv("TESSERA_FIXTURE_DIR");
    if (value == nullptr) {
      std::fprintf(stderr,
                   "TESSERA_FIXTURE_DIR must name a data set (tessera-mkdata "
                   "--fixture DIR makes one)\n");
      std::abort();
    }
    return std::string(value);
  }();
  return dir;
}

const Engine& fixture_engine() {
  static const std::unique_ptr<Engine> engine =
      new_server_engine(fixture_dir());
  return *engine;
}

const Engine& fixture_device_engine() {
  static const std::unique_ptr<Engine> engine =
      new_device_engine(fixture_dir());
  return *engine;
}

}  // namespace fuzz
}  // namespace tessera
