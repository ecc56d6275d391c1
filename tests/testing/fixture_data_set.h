// The standard test data set, as `tessera-mkdata --fixture` writes it.
#ifndef TESSERA_TESTS_TESTING_FIXTURE_DATA_SET_H_
#define TESSERA_TESTS_TESTING_FIXTURE_DATA_SET_H_

#include <string>

namespace tessera {
namespace test {

// The directory of the fixture data set. Under ctest it is built once for
// the whole run and named by the environment variable TESSERA_FIXTURE_DIR;
// a test binary run by hand builds its own copy in a temporary directory on
// first use, removed when the process ends. Throws what the builder throws.
const std::string& fixture_data_dir();

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TESTING_FIXTURE_DATA_SET_H_
