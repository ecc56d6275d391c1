#include "mkdata/world/topojson.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "testing/temp_dir.h"

namespace tessera {
namespace mkdata {
namespace {

// Quantised units, before the transform x = -10 + 0.5 u, y = 40 + 0.25 v:
// - arc 0, the border shared by A and B: (4, 0) (4, 4);
// - arc 1, the rest of A: (4, 4) (0, 4) (0, 0) (4, 0);
// - arc 2, the rest of B: (4, 0) (8, 0) (8, 4) (4, 4);
// - arc 3, B's hole, which C fills: (5, 1) (7, 1) (7, 3) (5, 3) (5, 1);
// - arc 4, C's island: (10, 10) (12, 10) (11, 12) (10, 10).
const char kTopology[] = R"({
  "type": "Topology",
  "transform": {"scale": [0.5, 0.25], "translate": [-10, 40]},
  "objects": {
    "lands": {"type": "GeometryCollection", "geometries": [
      {"type": "Polygon", "id": "001", "properties": {"name": "A"},
       "arcs": [[1, 0]]},
      {"type": "Polygon", "id": 2, "properties": {"name": "B", "x": 1},
       "arcs": [[-1, 2], [3]]},
      {"type": "MultiPolygon", "properties": {"name": "C"},
       "arcs": [[[-4]], [[4]]]},
      {"type": null, "id": "9"},
      {"type": "LineString", "id": "10", "arcs": [0]}
    ]},
    "other": {"type": "Polygon", "arcs": [[4]]}
  },
  "arcs": [
    [[4, 0], [0, 4]],
    [[4, 4], [-4, 0], [0, -4], [4, 0]],
    [[4, 0], [4, 0], [0, 4], [-4, 0]],
    [[5, 1], [2, 0], [0, 2], [-2, 0], [0, -2]],
    [[10, 10], [2, 0], [-1, 2], [-1, -2]]
  ]
})";

std::vector<TopoPosition> positions(
    const std::vector<std::pair<double, double>>& xy) {
  std::vector<TopoPosition> result;
  for (const auto& p : xy) result.push_back(TopoPosition{p.first, p.second});
  return result;
}

TEST(Topojson, DecodesDeltasThroughTheTransform) {
  const Topology topology = parse_topology(kTopology, "lands");
  ASSERT_EQ(topology.arcs.size(), 5u);
  // u = 4 + 4 = 8 gives x = -10 + 4 = -6; v = 0 + 4 = 4 gives y = 41.
  EXPECT_EQ(topology.arcs[2],
            positions({{-8, 40}, {-6, 40}, {-6, 41}, {-8, 41}}));
  EXPECT_EQ(topology.arcs[4],
            positions({{-5, 42.5}, {-4, 42.5}, {-4.5, 43}, {-5, 42.5}}));
}

TEST(Topojson, ReadsGeometriesWithTheirIdsAndNames) {
  const Topology topology = parse_topology(kTopology, "lands");
  ASSERT_EQ(topology.geometries.size(), 5u);
  const TopoGeometry& a = topology.geometries[0];
  EXPECT_EQ(a.id, "001");
  EXPECT_EQ(a.name, "A");
  EXPECT_EQ(a.polygons, std::vector<TopoPolygon>({{{1, 0}}}));
  const TopoGeometry& b = topology.geometries[1];
  EXPECT_EQ(b.id, "2");
  EXPECT_EQ(b.polygons, std::vector<TopoPolygon>({{{-1, 2}, {3}}}));
  const TopoGeometry& c = topology.geometries[2];
  EXPECT_EQ(c.id, "");
  EXPECT_EQ(c.name, "C");
  EXPECT_EQ(c.polygons, std::vector<TopoPolygon>({{{-4}}, {{4}}}));
  // A null geometry and a line keep their ids but have no polygons.
  EXPECT_EQ(topology.geometries[3].id, "9");
  EXPECT_TRUE(topology.geometries[3].polygons.empty());
  EXPECT_TRUE(topology.geometries[4].polygons.empty());

  const Topology other = parse_topology(kTopology, "other");
  ASSERT_EQ(other.geometries.size(), 1u);
  EXPECT_EQ(other.geometries[0].polygons, std::vector<TopoPolygon>({{{4}}}));
}

TEST(Topojson, WalksRingsThroughSharedAndReversedArcs) {
  const Topology topology = parse_topology(kTopology, "lands");
  const auto& b = topology.geometries[1].polygons[0];
  // The shared border backwards, then the rest of B, meeting corners once.
  EXPECT_EQ(ring_positions(topology, b[0]),
            positions({{-8, 41}, {-8, 40}, {-6, 40}, {-6, 41}, {-8, 41}}));
  EXPECT_EQ(ring_positions(topology, topology.geometries[0].polygons[0][0]),
            positions({{-8, 41}, {-10, 41}, {-10, 40}, {-8, 40}, {-8, 41}}));
  // C's enclave walks B's hole the other way round.
  EXPECT_EQ(ring_positions(topology, b[1]), positions({{-7.5, 40.25},
                                                       {-6.5, 40.25},
                                                       {-6.5, 40.75},
                                                       {-7.5, 40.75},
                                                       {-7.5, 40.25}}));
  EXPECT_EQ(ring_positions(topology, topology.geometries[2].polygons[0][0]),
            positions({{-7.5, 40.25},
                       {-7.5, 40.75},
                       {-6.5, 40.75},
                       {-6.5, 40.25},
                       {-7.5, 40.25}}));
}

TEST(Topojson, TakesPositionsAsTheyAreWithoutATransform) {
  const Topology topology = parse_topology(
      R"({"type": "Topology", "objects": {"o": {"type": "Polygon",
          "arcs": [[0]]}}, "arcs": [[[1.5, 2], [3, 2], [3, 4.25], [1.5, 2]]]})",
      "o");
  EXPECT_EQ(topology.arcs[0],
            positions({{1.5, 2}, {3, 2}, {3, 4.25}, {1.5, 2}}));
}

TEST(Topojson, ReadsAFile) {
  test::TempDir dir;
  const std::string path = dir.write_file("t.json", std::string(kTopology));
  EXPECT_EQ(read_topology_file(path, "lands").geometries.size(), 5u);
  EXPECT_THROW(read_topology_file(dir.file_path("missing.json"), "lands"),
               std::runtime_error);
}

TEST(Topojson, RejectsMalformedTopologies) {
  const std::string arcs = R"("arcs": [[[0, 0], [1, 0], [0, 1]]])";
  const struct {
    const char* what;
    std::string json;
  } kCases[] = {
      {"not JSON", "{\"type\": "},
      {"not a topology",
       R"({"type": "FeatureCollection", "objects": {},)" + arcs + "}"},
      {"no such object", R"({"type": "Topology", "objects": {},)" + arcs + "}"},
      {"reference past the arcs",
       R"({"type": "Topology", "objects": {"o": {"type": "Polygon",
           "arcs": [[1]]}},)" +
           arcs + "}"},
      {"reversed reference past the arcs",
       R"({"type": "Topology", "objects": {"o": {"type": "Polygon",
           "arcs": [[-2]]}},)" +
           arcs + "}"},
      {"empty ring", R"({"type": "Topology", "objects": {"o": {"type":
           "Polygon", "arcs": [[]]}},)" +
                         arcs + "}"},
      {"position of one number",
       R"({"type": "Topology", "objects": {}, "arcs": [[[0, 0], [1]]]})"},
      {"empty arc", R"({"type": "Topology", "objects": {}, "arcs": [[]]})"},
      {"transform without a scale",
       R"({"type": "Topology", "transform": {"translate": [0, 0]},
           "objects": {},)" +
           arcs + "}"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(parse_topology(c.json, "o"), std::runtime_error);
  }
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
