// The countries of the world data set: the outlines of world-atlas's
// countries-10m.json, coded with the ISO 3166 alpha-2 codes of
// i18n-iso-countries, ready for write_countries.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORLD_COUNTRIES_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORLD_COUNTRIES_H_

#include <string>

#include "mkdata/find_country/countries_writer.h"
#include "mkdata/find_country/synthetic_countries.h"

namespace tessera {
namespace mkdata {

// The quantised plane of the world's countries file: longitude -180 ... 180
// and latitude -90 ... 84 each on 65,536 units, so about 0.0055 degrees of
// longitude and 0.0027 of latitude a unit. Every outline of the source (whose
// land ends north of 83.7) fits, and Antarctica reaches the pole.
Quantisation world_countries_quantisation() noexcept;

// Reads <node_modules_dir>/world-atlas/countries-10m.json (object
// "countries") and <node_modules_dir>/i18n-iso-countries/codes.json.
//
// Every polygon of a geometry becomes one outline, its outer ring and its
// holes together, coded with the alpha-2 code of the geometry's numeric id.
// Corners lie exactly on the units of world_countries_quantisation(). Each
// border is snapped and simplified once, so that neighbours share it corner
// for corner; simplifying drops corners that lie within a unit of the line
// through the corners kept round them. Rings that this shrinks below three
// distinct corners, or to no area, are dropped (a dropped outer ring drops
// its holes). Polygons that cross the
// antimeridian are cut there into one outline per side, and a ring round a
// pole (Antarctica) is closed along the pole's edge of the plane.
//
// The source folds some territories with codes of their own into their
// country; polygons lying inside these are recoded: French Guiana (GF),
// Guadeloupe (GP), Martinique (MQ), Mayotte (YT) and Reunion (RE) from FR,
// Bonaire, Saba and Sint Eustatius (BQ) from NL, Svalbard and Jan Mayen (SJ)
// and Bouvet Island (BV) from NO. It also draws Crimea as Russia's; it is
// coded UA, the state it belongs to in international law.
//
// Geometries without an id are coded by name: Kosovo XK; N. Cyprus and the
// Cyprus U.N. Buffer Zone CY; Somaliland SO (the states they belong to in
// international law); Akrotiri and Dhekelia GB; Baikonur KZ and USNB
// Guantanamo Bay CU (leased land goes to the state that leases it out);
// Siachen Glacier IN, Bajo Nuevo Bank and Serranilla Bank CO (the states
// that hold them); Clipperton I. FR; Coral Sea Is. AU; Indian Ocean Ter.
// Christmas Island (CX) and the Cocos Islands (CC). Spratly Is. and
// Scarborough Reef, claimed by several states and settled by none, are
// left out, as sea.
//
// The source draws most of Western Sahara as Morocco's: the part of
// Morocco's polygons south of 27 degrees 40 minutes north, the border
// between the two, is coded EH, like the source's W. Sahara.
//
// Disputed areas: Western Sahara (EH), included in the clipping of MA, and
// Kosovo (XK), included in that of RS; an area or claimant missing from the
// source drops its line.
//
// Outlines come smallest first (by area in the quantised plane; ties in
// source order), so that where snapped outlines overlap, country_of picks
// the smaller, the enclave rather than the country round it.
//
// Throws std::runtime_error when a file cannot be read or is malformed,
// when a geometry's id has no alpha-2 code or a geometry without an id has
// an unknown name, or when a corner lies outside the quantised plane.
CountrySet read_world_countries(const std::string& node_modules_dir);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORLD_COUNTRIES_H_
