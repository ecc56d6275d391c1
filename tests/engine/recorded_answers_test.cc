// The answers of both engines on 20,000 fixed positions of the fixture data
// set, compared with tests/data/recorded_answers.txt, which a trusted build
// wrote once. Work on the speed of the engines must leave every answer as it
// was, bit for bit: the file holds a hash of the answers of each block of
// 1,000 positions and, verbatim, the answers of every 50th position, so that
// a change shows which block moved and, often, which answer.
//
// To write the file anew (only when the data set's recipe or the engine's
// algorithm changes on purpose), run this test with
// TESSERA_RECORD_ANSWERS=<path of the new file>.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tessera/engine.h"
#include "tessera/language.h"
#include "testing/answer_line.h"
#include "testing/answer_record.h"
#include "testing/fixture_data_set.h"
#include "testing/position_sample.h"

namespace tessera {
namespace {

constexpr std::size_t kGlobePositions = 8000;
constexpr std::size_t kLandPositions = 8000;
constexpr std::size_t kCountryPositions = 4000;
constexpr test::RecordLayout kLayout = {1000, 50};
constexpr std::uint64_t kSeed = 20261211;

// Uniform in latitude and longitude over the whole globe, then uniform over
// the squares of the data set's land, then uniform over the box that holds
// the data set's countries and their borders.
std::vector<Coordinates> sample_positions(const std::string& data_dir) {
  std::mt19937_64 random(kSeed);
  std::vector<Coordinates> positions;
  test::add_globe_positions(random, kGlobePositions, &positions);
  test::add_land_positions(data_dir, random, kLandPositions, &positions);
  for (std::size_t i = 0; i < kCountryPositions; ++i) {
    const double lat = 21.0 * test::unit_interval(random) - 5.0;
    const double lng = 24.0 * test::unit_interval(random) - 2.0;
    positions.emplace_back(lat, lng);
  }
  return positions;
}

TEST(RecordedAnswers, BothEnginesGiveTheRecordedAnswers) {
  const std::string& dir = test::fixture_data_dir();
  const std::vector<Coordinates> positions = sample_positions(dir);
  ASSERT_EQ(positions.size(),
            kGlobePositions + kLandPositions + kCountryPositions);
  const std::unique_ptr<Engine> server = new_server_engine(dir);
  const std::unique_ptr<Engine> device = new_device_engine(dir);
  const std::vector<Language> languages = {Language("en"), Language("de"),
                                           Language("ja")};

  std::vector<std::string> lines;
  lines.reserve(positions.size());
  for (const Coordinates& p : positions) {
    lines.push_back(test::answer_line(*server, languages, p));
    // Stop at the first disagreement rather than print thousands.
    ASSERT_EQ(test::answer_line(*device, languages, p), lines.back());
  }
  if (const char* path = test::record_answers_path()) {
    test::write_record(
        test::record_of(lines, kLayout),
        "# The answers of both engines on the fixture data set, as\n"
        "# tests/engine/recorded_answers_test.cc computes them: FNV-1a 64\n"
        "# of each block of 1000 answer lines, then every 50th line.\n",
        path);
    GTEST_SKIP() << "wrote " << path;
  }
  test::expect_record(lines,
                      test::read_record(std::string(TESSERA_TESTS_SOURCE_DIR) +
                                        "/data/recorded_answers.txt"),
                      kLayout);
}

}  // namespace
}  // namespace tessera
