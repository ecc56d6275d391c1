#include "mkdata/world/world_countries.h"

#include <rapidjson/document.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "mkdata/json_file.h"
#include "mkdata/world/plane_rings.h"
#include "mkdata/world/topojson.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr double kNorthEdgeDegrees = 84.0;
// How far, in units, simplifying may move a border.
constexpr double kSimplifyUnits = 1.0;

struct NamedArea {
  const char* name;
  const char* code;
};

// Geometries that carry no id.
constexpr NamedArea kNamedAreas[] = {
    {"Kosovo", "XK"},
    {"N. Cyprus", "CY"},
    {"Cyprus U.N. Buffer Zone", "CY"},
    {"Somaliland", "SO"},
    {"Akrotiri", "GB"},
    {"Dhekelia", "GB"},
    {"Baikonur", "KZ"},
    {"USNB Guantanamo Bay", "CU"},
    {"Siachen Glacier", "IN"},
    {"Bajo Nuevo Bank", "CO"},
    {"Serranilla Bank", "CO"},
    {"Clipperton I.", "FR"},
    {"Coral Sea Is.", "AU"},
    // Split into CX and CC by kParts.
    {"Indian Ocean Ter.", "AU"},
};

constexpr const char* kLeftOut[] = {"Spratly Is.", "Scarborough Reef"};

// A territory that the source folds into `country` but that has a code of
// its own, or belongs to another state in international law: the country's
// polygons lying inside the box, in degrees, take `code`.
struct Part {
  const char* country;
  const char* code;
  double west;
  double south;
  double east;
  double north;
};

constexpr Part kParts[] = {
    {"FR", "GF", -55.0, 2.0, -51.0, 6.0},
    {"FR", "GP", -62.0, 15.7, -60.9, 16.6},
    {"FR", "MQ", -61.3, 14.3, -60.7, 15.0},
    {"FR", "YT", 44.9, -13.2, 45.4, -12.5},
    {"FR", "RE", 55.1, -21.5, 56.0, -20.8},
    {"NL", "BQ", -68.5, 11.9, -68.1, 12.4},
    {"NL", "BQ", -63.4, 17.4, -62.9, 17.7},
    {"NO", "SJ", 10.0, 74.0, 35.0, 81.0},
    {"NO", "SJ", -9.5, 70.5, -7.5, 71.5},
    {"NO", "BV", 3.0, -54.6, 3.6, -54.3},
    {"AU", "CX", 105.5, -10.6, 105.8, -10.3},
    {"AU", "CC", 96.7, -12.3, 97.0, -11.9},
    // Crimea, which the source draws as Russia's.
    {"RU", "UA", 32.4, 44.3, 36.7, 46.3},
};

// A country that the source draws over part of a territory with a code of
// its own: the part of its polygons south of `lat` takes `code`.
struct SouthernPart {
  const char* country;
  const char* code;
  double lat;
};

constexpr SouthernPart kSouthernParts[] = {
    // Western Sahara, which the source draws as Morocco's up to the berm.
    // Its border with Morocco runs along 27 degrees 40 minutes north.
    {"MA", "EH", 27.0 + 40.0 / 60},
};

struct Dispute {
  const char* area;
  const char* claimant;
};

constexpr Dispute kDisputes[] = {{"EH", "MA"}, {"XK", "RS"}};

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error("world countries: " + what);
}

// The value of a string of one to nine decimal digits, or -1.
std::int32_t numeric_code(const std::string& text) {
  if (text.empty() || text.size() > 9) return -1;
  std::int32_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// codes.json: rows of [alpha-2, alpha-3, numeric, ...].
std::map<std::int32_t, std::string> read_alpha2_of_numeric(
    const std::string& path) {
  const std::string text = read_file(path);
  rapidjson::Document document;
  document.Parse(text.c_str(), text.size());
  if (document.HasParseError()) fail(path + ": " + json_parse_error(document));
  if (!document.IsArray()) fail(path + " must hold an array");
  std::map<std::int32_t, std::string> codes;
  for (const rapidjson::Value& row : document.GetArray()) {
    if (!row.IsArray() || row.Size() < 3 || !row[0].IsString() ||
        !row[2].IsString()) {
      fail(path + " holds a row without alpha-2 and numeric codes");
    }
    const std::int32_t numeric = numeric_code(row[2].GetString());
    if (numeric < 0) {
      fail(path + " holds the numeric code \"" +
           std::string(row[2].GetString()) + "\"");
    }
    codes[numeric] = row[0].GetString();
  }
  return codes;
}

std::int64_t to_unit(double value, double origin, double step,
                     const char* axis) {
  const double unit = std::round((value - origin) / step);
  if (!(unit >= 0 && unit <= kPlaneMaxUnit)) {
    fail(std::string("a corner's ") + axis +
         " lies outside the quantised plane");
  }
  return static_cast<std::int64_t>(unit);
}

// Every arc of the topology on the plane, simplified. Each border is
// snapped and simplified once, so the outlines on both sides share it.
std::vector<PlaneRing> quantised_arcs(const Topology& topology,
                                      const Quantisation& q) {
  std::vector<PlaneRing> arcs;
  arcs.reserve(topology.arcs.size());
  for (const std::vector<TopoPosition>& positions : topology.arcs) {
    PlaneRing arc;
    for (const TopoPosition& p : positions) {
      arc.push_back(PlanePoint{to_unit(p.x, q.x_origin, q.x_step, "longitude"),
                               to_unit(p.y, q.y_origin, q.y_step, "latitude")});
    }
    arc.erase(std::unique(arc.begin(), arc.end()), arc.end());
    arcs.push_back(simplified(arc, kSimplifyUnits));
  }
  return arcs;
}

PlaneRing ring_of(const std::vector<PlaneRing>& arcs, const TopoRing& refs) {
  PlaneRing ring;
  for (const std::int32_t reference : refs) {
    const bool reversed = reference < 0;
    const PlaneRing& arc =
        arcs[static_cast<std::size_t>(reversed ? ~reference : reference)];
    for (std::size_t k = 0; k < arc.size(); ++k) {
      ring.push_back(reversed ? arc[arc.size() - 1 - k] : arc[k]);
    }
  }
  remove_repeats(&ring);
  return ring;
}

std::vector<Coordinates> corners_of(const PlaneRing& ring,
                                    const Quantisation& q) {
  std::vector<Coordinates> corners;
  corners.reserve(ring.size());
  for (const PlanePoint& p : ring) {
    corners.emplace_back(q.y_origin + static_cast<double>(p.y) * q.y_step,
                         q.x_origin + static_cast<double>(p.x) * q.x_step);
  }
  return corners;
}

// The code of a piece of a `country` polygon, after kParts.
std::string piece_code(const std::string& country, const PlaneRing& outer,
                       const Quantisation& q) {
  const PlaneBox box = box_of(outer);
  const double west = q.x_origin + static_cast<double>(box.west) * q.x_step;
  const double east = q.x_origin + static_cast<double>(box.east) * q.x_step;
  const double south = q.y_origin + static_cast<double>(box.south) * q.y_step;
  const double north = q.y_origin + static_cast<double>(box.north) * q.y_step;
  for (const Part& part : kParts) {
    if (country == part.country && part.west <= west && east <= part.east &&
        part.south <= south && north <= part.north) {
      return part.code;
    }
  }
  return country;
}

// The pieces of a `country` polygon that lies on the plane, with their
// codes after kSouthernParts and kParts.
std::vector<std::pair<std::string, PlanePolygon>> coded_pieces(
    const std::string& country, const PlanePolygon& piece,
    const Quantisation& q) {
  std::vector<std::pair<std::string, PlanePolygon>> result;
  for (const SouthernPart& part : kSouthernParts) {
    if (country != part.country) continue;
    const std::int64_t bound =
        to_unit(part.lat, q.y_origin, q.y_step, "latitude");
    const PlaneBox box = box_of(piece[0]);
    if (box.north <= bound) {
      result.emplace_back(part.code, piece);
    } else if (box.south >= bound) {
      result.emplace_back(piece_code(country, piece[0], q), piece);
    } else {
      PlanePolygon south = part_beyond_parallel(piece, bound, false);
      PlanePolygon north = part_beyond_parallel(piece, bound, true);
      if (!south.empty()) result.emplace_back(part.code, std::move(south));
      if (!north.empty()) {
        result.emplace_back(piece_code(country, north[0], q), std::move(north));
      }
    }
    return result;
  }
  result.emplace_back(piece_code(country, piece[0], q), piece);
  return result;
}

// The code of a geometry, or an empty string for one left out.
std::string code_of(const TopoGeometry& geometry,
                    const std::map<std::int32_t, std::string>& alpha2) {
  if (!geometry.id.empty()) {
    const auto it = alpha2.find(numeric_code(geometry.id));
    if (it == alpha2.end()) {
      fail("the id \"" + geometry.id + "\" of \"" + geometry.name +
           "\" has no alpha-2 code");
    }
    return it->second;
  }
  for (const NamedArea& area : kNamedAreas) {
    if (geometry.name == area.name) return area.code;
  }
  for (const char* name : kLeftOut) {
    if (geometry.name == name) return "";
  }
  fail("no code for \"" + geometry.name + "\", which has no id");
}

struct Sized {
  CountryOutline outline;
  std::int64_t area;
};

}  // namespace

Quantisation world_countries_quantisation() noexcept {
  return Quantisation{360.0 / kPlaneMaxUnit,
                      (kNorthEdgeDegrees + 90.0) / kPlaneMaxUnit, -180.0,
                      -90.0};
}

CountrySet read_world_countries(const std::string& node_modules_dir) {
  const std::map<std::int32_t, std::string> alpha2 = read_alpha2_of_numeric(
      node_modules_dir + "/i18n-iso-countries/codes.json");
  const Topology topology = read_topology_file(
      node_modules_dir + "/world-atlas/countries-10m.json", "countries");
  const Quantisation q = world_countries_quantisation();
  const std::vector<PlaneRing> arcs = quantised_arcs(topology, q);

  std::vector<Sized> sized;
  for (const TopoGeometry& geometry : topology.geometries) {
    const std::string code = code_of(geometry, alpha2);
    if (code.empty()) continue;
    for (const TopoPolygon& polygon : geometry.polygons) {
      PlanePolygon rings;
      for (const TopoRing& refs : polygon) {
        PlaneRing ring = ring_of(arcs, refs);
        if (!is_usable(ring)) {
          if (rings.empty()) break;  // the outer ring: drop the polygon
          continue;
        }
        rings.push_back(std::move(ring));
      }
      if (rings.empty()) continue;
      for (const PlanePolygon& piece : split_at_antimeridian(rings)) {
        for (const auto& [part_code, part] : coded_pieces(code, piece, q)) {
          Sized entry{CountryOutline{part_code, {}},
                      std::llabs(twice_area(part[0]))};
          for (const PlaneRing& ring : part) {
            entry.outline.rings.push_back(corners_of(ring, q));
          }
          sized.push_back(std::move(entry));
        }
      }
    }
  }
  std::stable_sort(
      sized.begin(), sized.end(),
      [](const Sized& a, const Sized& b) { return a.area < b.area; });

  CountrySet set;
  std::set<std::string> codes;
  for (Sized& entry : sized) {
    codes.insert(entry.outline.code);
    set.outlines.push_back(std::move(entry.outline));
  }
  for (const Dispute& dispute : kDisputes) {
    if (codes.count(dispute.area) != 0 && codes.count(dispute.claimant) != 0) {
      set.disputed.push_back(DisputedArea{dispute.area, {dispute.claimant}});
    }
  }
  return set;
}

}  // namespace mkdata
}  // namespace tessera
