// The decoded pieces of a country outline on the quantised plane.
#ifndef TESSERA_FIND_COUNTRY_OUTLINE_PARTS_H_
#define TESSERA_FIND_COUNTRY_OUTLINE_PARTS_H_

#include <cstdint>
#include <utility>
#include <vector>

namespace tessera {
namespace find_country {

// A point on the quantised plane; not rounded to whole units.
struct XY {
  double x;
  double y;
};

// A chain of vertices: (x0, y0), then one vertex per step, each the previous
// one moved by (dx, dy). n steps make n + 1 vertices and n edges.
struct Arc {
  std::uint16_t n;
  std::uint16_t x0;
  std::uint16_t y0;
  std::vector<std::pair<std::int8_t, std::int8_t>> steps;
};

// A closed chain of arcs. Reference r >= 0 walks arc r forwards, r < 0
// walks arc ~r backwards.
struct Polygon {
  std::uint16_t n;
  std::vector<std::int16_t> arcs;
};

}  // namespace find_country
}  // namespace tessera

#endif  // TESSERA_FIND_COUNTRY_OUTLINE_PARTS_H_
