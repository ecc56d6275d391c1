#include "mkdata/algorithm/attr_test_fixture.h"

#include <sstream>

#include "algorithm/read_attr_data.h"
#include "mkdata/algorithm/blocks_writer.h"
#include "testing/data_files.h"

namespace tessera {
namespace test {

namespace {

ProceduralAttr build() {
  ProceduralAttr attr;
  attr.data = mkdata::build_attr_data_set(
      attr.model, {{"aa", {}}, {"bb", {2}}, {"cc", {1, 4}}});
  attr.blocks_data = mkdata::write_blocks_data(attr.data.plan);
  attr.shared =
      algorithm::read_shared_attr_data(test::file_bytes(attr.blocks_data));
  return attr;
}

}  // namespace

const ProceduralAttr& procedural_attr() {
  static const ProceduralAttr attr = build();
  return attr;
}

std::string as_string(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace test
}  // namespace tessera
