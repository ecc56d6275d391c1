// The engines the fuzz targets query: loaded once from the data set that
// TESSERA_FIXTURE_DIR names.
#ifndef TESSERA_FUZZ_FIXTURE_ENGINE_H_
#define TESSERA_FUZZ_FIXTURE_ENGINE_H_

#include <string>

#include "tessera/engine.h"

namespace tessera {
namespace fuzz {

// The directory TESSERA_FIXTURE_DIR names. Aborts with a message when it is
// not set: the targets that need data cannot run without it.
const std::string& fixture_dir();

// The in-memory engine over fixture_dir(), loaded on first use.
const Engine& fixture_engine();

// The device engine over fixture_dir(), as the location service loads it,
// loaded on first use.
const Engine& fixture_device_engine();

}  // namespace fuzz
}  // namespace tessera

#endif  // TESSERA_FUZZ_FIXTURE_ENGINE_H_
