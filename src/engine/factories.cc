#include "engine/factories.h"

#include <utility>

#include "engine/engine_base.h"
#include "engine/loading.h"
#include "engine/tsr_data_disk.h"
#include "engine/tsr_data_memory.h"

namespace tessera {
namespace engine {

std::unique_ptr<Engine> read_disk_engine(
    std::shared_ptr<data::FileSystem> files) {
  return std::make_unique<EngineBase<TSRDataDisk>>(
      read_disk_data(std::move(files)));
}

std::unique_ptr<Engine> read_memory_engine(const data::FileSystem& files) {
  return std::make_unique<EngineBase<TSRDataMemory>>(read_memory_data(files));
}

}  // namespace engine

std::unique_ptr<Engine> new_device_engine(std::string path) {
  engine::assert_data_path_not_too_long(path);
  return engine::read_disk_engine(std::make_shared<data::FileSystem>(path));
}

std::unique_ptr<Engine> new_server_engine(std::string path) {
  engine::assert_data_path_not_too_long(path);
  return engine::read_memory_engine(data::FileSystem(path));
}

}  // namespace tessera
