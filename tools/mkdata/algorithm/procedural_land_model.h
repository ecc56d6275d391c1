// A made-up world for building attractiveness data without a world data
// set: six continents drawn as unions of smooth blobs with wavy coasts, an
// ice cap around the south pole, and a few cities per continent that make
// the cells near them attractive.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_PROCEDURAL_LAND_MODEL_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_PROCEDURAL_LAND_MODEL_H_

#include <array>
#include <cstdint>
#include <vector>

#include "algorithm/grid_constants.h"
#include "mkdata/algorithm/land_model.h"

namespace tessera {
namespace mkdata {

// Regions 0 to 5 are the continents, kSouthPolarRegion the ice cap. Rows 0,
// 1, 4318 and 4319 are sea. Fully deterministic; immutable after
// construction, so safe to share between threads.
class ProceduralLandModel : public LandModel {
 public:
  static constexpr std::int32_t kContinents = 6;
  static constexpr std::int32_t kSouthPolarRegion = kContinents;

  // Scales the continents so that the land covers about `land_fraction` of
  // the grid's columns (the ice cap is fixed). Throws std::invalid_argument
  // unless 0.05 <= land_fraction <= 0.6.
  explicit ProceduralLandModel(double land_fraction = 0.2728);

  std::vector<CellRun> land_runs(std::int32_t y) const override;
  double score(std::int32_t x, std::int32_t y) const override;
  std::int32_t region(std::int32_t x, std::int32_t y) const override;
  std::int32_t region_count() const override { return kContinents + 1; }

  // The grid columns the land covers, as land_runs describes it.
  std::int64_t land_columns() const;

 private:
  std::vector<CellRun> runs_at_scale(std::int32_t y, double scale) const;
  std::int64_t land_columns_at_scale(double scale) const;

  double scale_ = 1.0;
  // Per cell row, the blobs that reach it at the chosen scale.
  std::vector<std::vector<std::uint8_t>> row_blobs_;
  std::array<double, algorithm::kCellRows> cos_latitude_;
  // The ice cap's runs in the rows where its edge wavers.
  std::vector<std::vector<CellRun>> ice_runs_;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_PROCEDURAL_LAND_MODEL_H_
