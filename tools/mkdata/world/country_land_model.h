// The land model of the world data set: land where the country outlines
// are, regions by country, and attractiveness from where people live, as
// told by the positions of the places of a gazetteer.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_COUNTRY_LAND_MODEL_H_
#define TESSERA_TOOLS_MKDATA_WORLD_COUNTRY_LAND_MODEL_H_

#include <cstdint>
#include <string>
#include <vector>

#include "mkdata/algorithm/land_model.h"
#include "mkdata/find_country/synthetic_countries.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace mkdata {

// Land is every cell whose centre lies inside an outline (non-zero winding
// number, as the country finder counts it; a centre on an edge may fall
// either way). A land cell belongs to the first outline, in set order, that
// holds its centre, as country_of would say; its region is that outline's
// code. A sea cell takes the region of the nearest land cell in its row
// (the western one on a tie), or, in a row without land, that of the same
// cell in the nearest row with land (the southern one on a tie).
//
// score() sums over the places near the cell a weight that falls off
// smoothly with the distance in cells: a sharp part over a cell or two and
// a broad one over some twenty cells, so that the many places round a big
// city lift it well above a lone town. A land cell adds a small base, less
// than one place would, that grows towards the equator, so that land beats
// sea and low latitudes beat high ones where no place is near. Scores are
// positive on land; at sea, zero far from every place.
//
// Fully deterministic; immutable after construction, so safe to share
// between threads. Holds two grids of 8640 x 4320 cells, about 225 MB.
class CountryLandModel : public LandModel {
 public:
  // Rasterises `countries` and weighs `places` (positions of any validity;
  // longitudes are wrapped, latitudes clamped to the grid). The disputed
  // areas of `countries` play no part.
  //
  // Throws std::invalid_argument when `countries` has no outline or more
  // than 65,535 distinct codes.
  CountryLandModel(const CountrySet& countries,
                   const std::vector<Coordinates>& places);

  // Runs sorted west to east, separated by sea. Empty outside 0..4319.
  std::vector<CellRun> land_runs(std::int32_t y) const override;
  // Both return 0 for a cell outside the grid.
  double score(std::int32_t x, std::int32_t y) const override;
  std::int32_t region(std::int32_t x, std::int32_t y) const override;
  std::int32_t region_count() const override {
    return static_cast<std::int32_t>(codes_.size());
  }

  // The code of each region: the distinct codes of the outlines, sorted.
  const std::vector<std::string>& region_codes() const { return codes_; }

  // The regions of `codes`, in the order given; codes that no outline
  // carries are skipped.
  std::vector<std::int32_t> regions_of(
      const std::vector<std::string>& codes) const;

  // The number of land cells.
  std::int64_t land_cells() const { return land_cells_; }

 private:
  std::vector<std::string> codes_;
  std::vector<std::vector<CellRun>> runs_;
  // Row by row from the south, west to east.
  std::vector<std::uint16_t> regions_;
  std::vector<float> scores_;
  std::int64_t land_cells_ = 0;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_COUNTRY_LAND_MODEL_H_
