#include "engine/factories.h"

#ifdef __GLIBC__
#include <malloc.h>  // malloc_trim
#endif

#include <utility>

#include "core/string_checks.h"
#include "engine/engine_base.h"
#include "engine/read_data.h"
#include "engine/tsr_data.h"

namespace tessera {
namespace engine {

std::unique_ptr<Engine> read_disk_engine(
    std::shared_ptr<const data::FileSystem> files) {
  auto engine = std::make_unique<EngineBase<TSRDataDisk>>(
      read_data<data::OnDisk>(std::move(files)));
#ifdef __GLIBC__
  // The files read whole while loading (the blocks, the normalisation
  // table, the country outlines) are freed by now, but the allocator keeps
  // their pages among the engine's: hand them back to the system, a device
  // counts every resident page.
  malloc_trim(0);
#endif
  return engine;
}

std::unique_ptr<Engine> read_memory_engine(
    std::shared_ptr<const data::FileSystem> files) {
  return std::make_unique<EngineBase<TSRDataMemory>>(
      read_data<data::InMemory>(std::move(files)));
}

}  // namespace engine

std::unique_ptr<Engine> new_device_engine(std::string path) {
  core::assert_string_not_too_long(path);
  return engine::read_disk_engine(std::make_shared<data::FileSystem>(path));
}

std::unique_ptr<Engine> new_server_engine(std::string path) {
  core::assert_string_not_too_long(path);
  return engine::read_memory_engine(std::make_shared<data::FileSystem>(path));
}

}  // namespace tessera
