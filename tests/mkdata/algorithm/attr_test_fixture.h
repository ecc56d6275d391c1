// The attractiveness data of the procedural world, built once per test run
// and shared by the tests of the engine's readers and of the builder.
#ifndef TESSERA_TESTS_MKDATA_ALGORITHM_ATTR_TEST_FIXTURE_H_
#define TESSERA_TESTS_MKDATA_ALGORITHM_ATTR_TEST_FIXTURE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "algorithm/shared_attr_data.h"
#include "mkdata/algorithm/attr_data_set.h"
#include "mkdata/algorithm/procedural_land_model.h"

namespace tessera {
namespace test {

struct ProceduralAttr {
  mkdata::ProceduralLandModel model;
  // Languages "aa" (no preference), "bb" (region 2) and "cc" (regions 1
  // and 4), in that order.
  mkdata::AttrDataSet data;
  std::vector<std::uint8_t> blocks_data;
  // blocks_data as read_shared_attr_data loads it.
  std::shared_ptr<const algorithm::SharedAttrData> shared;
};

// Built on first use; throws whatever building or loading throws.
const ProceduralAttr& procedural_attr();

// The bytes as a string, for string streams.
std::string as_string(const std::vector<std::uint8_t>& bytes);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_MKDATA_ALGORITHM_ATTR_TEST_FIXTURE_H_
