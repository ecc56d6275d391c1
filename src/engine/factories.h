// The engine loaders behind new_device_engine and new_server_engine.
#ifndef TESSERA_ENGINE_FACTORIES_H_
#define TESSERA_ENGINE_FACTORIES_H_

#include <memory>

#include "data/file_system.h"
#include "tessera/engine.h"

namespace tessera {
namespace engine {

// A disk-backed engine over the data directory of `files`, which the engine
// keeps for files it opens later. Throws what read_data throws.
std::unique_ptr<Engine> read_disk_engine(
    std::shared_ptr<const data::FileSystem> files);

// An in-memory engine over the data directory of `files`. Throws what
// read_data throws.
std::unique_ptr<Engine> read_memory_engine(
    std::shared_ptr<const data::FileSystem> files);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_FACTORIES_H_
