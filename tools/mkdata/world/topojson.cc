#include "mkdata/world/topojson.h"

#include <rapidjson/document.h>

#include <cstddef>
#include <stdexcept>

#include "mkdata/json_fields.h"
#include "mkdata/json_file.h"

namespace tessera {
namespace mkdata {
namespace {

using rapidjson::Value;

constexpr JsonFields kFields("topology");

// The first two numbers of a position or of a transform's pair.
TopoPosition pair_of(const Value& v, const std::string& where) {
  if (!v.IsArray() || v.Size() < 2 || !v[0].IsNumber() || !v[1].IsNumber()) {
    kFields.fail(where + " must hold two numbers");
  }
  return TopoPosition{v[0].GetDouble(), v[1].GetDouble()};
}

std::vector<std::vector<TopoPosition>> decode_arcs(const Value& topology) {
  const Value& arcs = kFields.array_member(topology, "arcs", "the topology");
  bool transformed = false;
  TopoPosition scale{1, 1};
  TopoPosition translate{0, 0};
  const auto transform = topology.FindMember("transform");
  if (transform != topology.MemberEnd()) {
    if (!transform->value.IsObject()) kFields.fail("the transform must be an object");
    transformed = true;
    scale = pair_of(kFields.member(transform->value, "scale", "the transform"),
                    "the transform's scale");
    translate = pair_of(kFields.member(transform->value, "translate", "the transform"),
                        "the transform's translate");
  }
  std::vector<std::vector<TopoPosition>> result;
  result.reserve(arcs.Size());
  for (rapidjson::SizeType a = 0; a < arcs.Size(); ++a) {
    const std::string where = "arc " + std::to_string(a);
    const Value& arc = arcs[a];
    if (!arc.IsArray() || arc.Empty()) kFields.fail(where + " must list positions");
    std::vector<TopoPosition> positions;
    positions.reserve(arc.Size());
    // Quantised coordinates are integers, so the running sums are exact.
    double x = 0;
    double y = 0;
    for (const Value& position : arc.GetArray()) {
      const TopoPosition p = pair_of(position, where + "'s positions");
      if (transformed) {
        x += p.x;
        y += p.y;
        positions.push_back(
            TopoPosition{x * scale.x + translate.x, y * scale.y + translate.y});
      } else {
        positions.push_back(p);
      }
    }
    result.push_back(std::move(positions));
  }
  return result;
}

TopoRing ring_of(const Value& v, std::size_t arc_count,
                 const std::string& where) {
  if (!v.IsArray() || v.Empty()) kFields.fail(where + " must list arc references");
  TopoRing ring;
  ring.reserve(v.Size());
  for (const Value& reference : v.GetArray()) {
    if (!reference.IsInt()) kFields.fail(where + " holds a non-integer reference");
    const std::int32_t r = reference.GetInt();
    const std::int64_t arc = r >= 0 ? r : ~std::int64_t{r};
    if (static_cast<std::uint64_t>(arc) >= arc_count) {
      kFields.fail(where + " refers to arc " + std::to_string(arc) + " of " +
           std::to_string(arc_count));
    }
    ring.push_back(r);
  }
  return ring;
}

TopoPolygon polygon_of(const Value& v, std::size_t arc_count,
                       const std::string& where) {
  if (!v.IsArray() || v.Empty()) kFields.fail(where + " must list rings");
  TopoPolygon polygon;
  for (rapidjson::SizeType r = 0; r < v.Size(); ++r) {
    polygon.push_back(
        ring_of(v[r], arc_count, where + " ring " + std::to_string(r)));
  }
  return polygon;
}

TopoGeometry geometry_of(const Value& v, std::size_t arc_count,
                         const std::string& where) {
  if (!v.IsObject()) kFields.fail(where + " must be an object");
  TopoGeometry geometry;
  const auto id = v.FindMember("id");
  if (id != v.MemberEnd()) {
    if (id->value.IsString()) {
      geometry.id.assign(id->value.GetString(), id->value.GetStringLength());
    } else if (id->value.IsInt64()) {
      geometry.id = std::to_string(id->value.GetInt64());
    }
  }
  const auto properties = v.FindMember("properties");
  if (properties != v.MemberEnd() && properties->value.IsObject()) {
    const auto name = properties->value.FindMember("name");
    if (name != properties->value.MemberEnd() && name->value.IsString()) {
      geometry.name.assign(name->value.GetString(),
                           name->value.GetStringLength());
    }
  }
  const Value& type = kFields.member(v, "type", where);
  if (!type.IsString()) return geometry;  // a null geometry
  const std::string kind(type.GetString(), type.GetStringLength());
  if (kind == "Polygon") {
    geometry.polygons.push_back(
        polygon_of(kFields.member(v, "arcs", where), arc_count, where));
  } else if (kind == "MultiPolygon") {
    const Value& polygons = kFields.array_member(v, "arcs", where);
    for (rapidjson::SizeType p = 0; p < polygons.Size(); ++p) {
      geometry.polygons.push_back(polygon_of(
          polygons[p], arc_count, where + " polygon " + std::to_string(p)));
    }
  }
  return geometry;
}

}  // namespace

Topology parse_topology(const std::string& json, const std::string& object) {
  rapidjson::Document document;
  document.Parse(json.c_str(), json.size());
  if (document.HasParseError()) kFields.fail(json_parse_error(document));
  if (!document.IsObject()) kFields.fail("the top level must be an object");
  const Value& type = kFields.member(document, "type", "the topology");
  if (!type.IsString() || std::string(type.GetString()) != "Topology") {
    kFields.fail("the type must be \"Topology\"");
  }
  Topology topology;
  topology.arcs = decode_arcs(document);
  const Value& objects = kFields.member(document, "objects", "the topology");
  if (!objects.IsObject()) kFields.fail("the objects must be an object");
  const auto chosen = objects.FindMember(object.c_str());
  if (chosen == objects.MemberEnd()) kFields.fail("no object \"" + object + "\"");
  const Value& root = chosen->value;
  const std::string where = "object \"" + object + "\"";
  if (!root.IsObject()) kFields.fail(where + " must be an object");
  const Value& root_type = kFields.member(root, "type", where);
  if (root_type.IsString() &&
      std::string(root_type.GetString()) == "GeometryCollection") {
    const Value& geometries = kFields.array_member(root, "geometries", where);
    for (rapidjson::SizeType g = 0; g < geometries.Size(); ++g) {
      topology.geometries.push_back(
          geometry_of(geometries[g], topology.arcs.size(),
                      where + " geometry " + std::to_string(g)));
    }
  } else {
    topology.geometries.push_back(
        geometry_of(root, topology.arcs.size(), where));
  }
  return topology;
}

Topology read_topology_file(const std::string& path,
                            const std::string& object) {
  return parse_topology(read_file(path), object);
}

std::vector<TopoPosition> ring_positions(const Topology& topology,
                                         const TopoRing& ring) {
  std::vector<TopoPosition> positions;
  for (const std::int32_t reference : ring) {
    const bool reversed = reference < 0;
    const std::vector<TopoPosition>& arc =
        topology
            .arcs[static_cast<std::size_t>(reversed ? ~reference : reference)];
    const std::size_t n = arc.size();
    // Each arc after the first starts where the one before it ended.
    for (std::size_t k = positions.empty() ? 0 : 1; k < n; ++k) {
      positions.push_back(reversed ? arc[n - 1 - k] : arc[k]);
    }
  }
  return positions;
}

}  // namespace mkdata
}  // namespace tessera
