#include "testing/fixture_data_set.h"

#include <cstdlib>
#include <memory>

#include "mkdata/data_set.h"
#include "mkdata/recipe.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace test {

const std::string& fixture_data_dir() {
  static const std::string dir = [] {
    if (const char* shared = std::getenv("TESSERA_FIXTURE_DIR")) {
      return std::string(shared);
    }
    // Kept until exit: every test of the process may use it.
    static const std::unique_ptr<TempDir> own = std::make_unique<TempDir>();
    mkdata::build_data_set(mkdata::fixture_recipe(), own->path());
    return own->path();
  }();
  return dir;
}

}  // namespace test
}  // namespace tessera
