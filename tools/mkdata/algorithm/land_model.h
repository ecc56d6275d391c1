// What the attractiveness planner needs to know about the world: where the
// land is, how attractive each cell is, and which region (a continent, a
// country) it belongs to. A world data set plugs in by implementing
// LandModel; ProceduralLandModel is a made-up world for building test data.
#ifndef TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_MODEL_H_
#define TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_MODEL_H_

#include <cstdint>
#include <vector>

namespace tessera {
namespace mkdata {

// The cells x_begin .. x_end - 1 of one cell row.
struct CellRun {
  std::int32_t x_begin;
  std::int32_t x_end;

  friend bool operator==(const CellRun& a, const CellRun& b) noexcept {
    return a.x_begin == b.x_begin && a.x_end == b.x_end;
  }
};

// Cells are those of the engine's grid: columns 0..8639 eastwards from
// longitude -180, rows 0..4319 northwards from latitude -90. Implementations
// must be deterministic: the same call always gives the same answer.
class LandModel {
 public:
  virtual ~LandModel() = default;

  // The land cells of cell row `y` (0..4319). Runs may come in any order and
  // may touch or overlap; the planner merges them and clips them to the row.
  virtual std::vector<CellRun> land_runs(std::int32_t y) const = 0;

  // How attractive cell (x, y) is: higher is more attractive. Defined for
  // every cell, sea included, since the planner may turn sea into land to
  // reach its totals.
  virtual double score(std::int32_t x, std::int32_t y) const = 0;

  // The region of cell (x, y), 0..region_count() - 1, for every cell.
  virtual std::int32_t region(std::int32_t x, std::int32_t y) const = 0;

  virtual std::int32_t region_count() const = 0;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_ALGORITHM_LAND_MODEL_H_
