// Prints the three-word address of a position: consumer DATA_DIR LAT LNG
// LANGUAGE.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "tessera/coordinates.h"
#include "tessera/engine.h"
#include "tessera/language.h"
#include "tessera/optional.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fputs("usage: consumer DATA_DIR LAT LNG LANGUAGE\n", stderr);
    return 2;
  }
  try {
    const std::unique_ptr<tessera::Engine> engine =
        tessera::new_device_engine(argv[1]);
    const tessera::Optional<std::string> address = engine->convert_to_3wa(
        tessera::Coordinates(std::atof(argv[2]), std::atof(argv[3])),
        tessera::Language(argv[4]));
    if (!address) return 3;
    std::puts(address->c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "consumer: %s\n", e.what());
    return 1;
  }
}
