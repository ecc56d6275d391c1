// A small made-up set of countries for test data sets.
#ifndef TESSERA_TOOLS_MKDATA_FIND_COUNTRY_SYNTHETIC_COUNTRIES_H_
#define TESSERA_TOOLS_MKDATA_FIND_COUNTRY_SYNTHETIC_COUNTRIES_H_

#include <vector>

#include "mkdata/find_country/countries_writer.h"

namespace tessera {
namespace mkdata {

struct CountrySet {
  std::vector<CountryOutline> outlines;
  std::vector<DisputedArea> disputed;
};

// Countries near the meridian and the equator, roughly longitude 0 ... 20
// and latitude -3 ... 14, plus an island at the antimeridian:
// - AA, lng 0 ... 10, lat 0 ... 10, with a hole at lng 3 ... 6, lat 3 ... 6
//   filled by the enclave EE;
// - BB, lng 10 ... 20, lat 0 ... 10, sharing a crooked border with AA;
// - CC, lng 0 ... 20, lat 10 ... 14, bordering both AA and BB;
// - XD, lng 8 ... 12, lat -3 ... 0, below AA and BB, a disputed area whose
//   clipping AA and BB both include;
// - DD, an island at lng -180 ... -178, lat 50 ... 51.
// Never throws except std::bad_alloc.
CountrySet synthetic_countries();

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_FIND_COUNTRY_SYNTHETIC_COUNTRIES_H_
