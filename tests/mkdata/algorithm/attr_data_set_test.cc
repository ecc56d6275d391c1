#include "mkdata/algorithm/attr_data_set.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "algorithm/read_attr_data.h"
#include "data/file_system.h"
#include "mkdata/algorithm/attr_test_fixture.h"
#include "testing/data_files.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

// The files land where the engine's loader opens them, and read back.
TEST(AttrDataSet, WritesFilesTheEngineReads) {
  const test::ProceduralAttr& world = test::procedural_attr();
  const test::TempDir dir;
  write_attr_data_set(world.data, dir.path());
  const data::FileSystem files(dir.path());

  std::ifstream blocks = files.open("attractiveness/blocks.data");
  const std::string bytes((std::istreambuf_iterator<char>(blocks)),
                          std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, test::as_string(world.blocks_data));

  for (const LanguageBlockOrder& language : world.data.block_orders) {
    SCOPED_TRACE(language.code);
    const algorithm::AttrData attr = algorithm::read_attr_data(
        world.shared,
        data::read_file_bytes(
            files, algorithm::block_order_file_name(language.code), 4096));
    EXPECT_EQ(attr.block_order(), language.block_order);
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
