// Reading a TopoJSON topology: its arcs, decoded to plain positions, and the
// polygons of one of its objects as rings of arc references.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_TOPOJSON_H_
#define TESSERA_TOOLS_MKDATA_WORLD_TOPOJSON_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tessera {
namespace mkdata {

// A position as the topology means it, after the transform: for a world map
// x is the longitude and y the latitude, in degrees.
struct TopoPosition {
  double x;
  double y;

  friend bool operator==(const TopoPosition& a, const TopoPosition& b) {
    return a.x == b.x && a.y == b.y;
  }
};

// One ring: arc references in order round it; r >= 0 walks arc r forwards,
// r < 0 walks arc ~r backwards.
using TopoRing = std::vector<std::int32_t>;
// The outer ring first, then the holes.
using TopoPolygon = std::vector<TopoRing>;

struct TopoGeometry {
  // The "id": a string as written, an integer in decimal; empty when the
  // geometry has none or has one of another kind.
  std::string id;
  // properties.name, or empty.
  std::string name;
  // One for a Polygon, any number for a MultiPolygon, none for every other
  // type (null, Point, LineString, ...).
  std::vector<TopoPolygon> polygons;
};

struct Topology {
  // Every arc's positions, at least one each. With a "transform", the
  // stored integers are delta-encoded: each position adds to the one before
  // it, and the sums are then scaled and translated.
  std::vector<std::vector<TopoPosition>> arcs;
  // The geometries of the chosen object, a GeometryCollection or a single
  // geometry, in file order.
  std::vector<TopoGeometry> geometries;
};

// Decodes `json`, a TopoJSON topology, keeping the geometries of
// objects[`object`].
//
// Throws std::runtime_error naming what is wrong when the text is not JSON,
// is not a "Topology", lacks the object, holds a position that is not two
// or more numbers, a transform without two scale and two translate numbers,
// or an arc reference outside the arcs.
Topology parse_topology(const std::string& json, const std::string& object);

// parse_topology on the contents of the file at `path`. Throws
// std::runtime_error as well when the file cannot be read.
Topology read_topology_file(const std::string& path, const std::string& object);

// The positions of `ring` walked through its arcs, the shared position
// where two arcs meet taken once, so that a closed ring ends on its first
// position. Requires: every reference lies inside topology.arcs (as
// parse_topology has checked).
std::vector<TopoPosition> ring_positions(const Topology& topology,
                                         const TopoRing& ring);

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_TOPOJSON_H_
