#include "mkdata/world/plane_rings.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <set>
#include <utility>

namespace tessera {
namespace mkdata {
namespace {

// Squared distance from p to the segment a-b.
double squared_distance(const PlanePoint& p, const PlanePoint& a,
                        const PlanePoint& b) {
  const double dx = static_cast<double>(b.x - a.x);
  const double dy = static_cast<double>(b.y - a.y);
  double px = static_cast<double>(p.x - a.x);
  double py = static_cast<double>(p.y - a.y);
  const double length2 = dx * dx + dy * dy;
  if (length2 > 0) {
    const double t = std::clamp((px * dx + py * dy) / length2, 0.0, 1.0);
    px -= t * dx;
    py -= t * dy;
  }
  return px * px + py * py;
}

// The shift, in whole turns, that brings an edge of `step` units to at most
// half a turn.
std::int64_t wrap_shift(std::int64_t step) {
  if (step > kPlaneTurn / 2) return -kPlaneTurn;
  if (step < -kPlaneTurn / 2) return kPlaneTurn;
  return 0;
}

// The ring with its longitudes unwrapped, so that no edge spans more than
// half a turn. A ring that then ends a turn away from its start goes round
// a pole and is closed along the plane's edge there.
PlaneRing unwrapped(const PlaneRing& ring) {
  PlaneRing out;
  out.reserve(ring.size() + 3);
  std::int64_t shift = 0;
  std::int64_t y_sum = 0;
  for (std::size_t k = 0; k < ring.size(); ++k) {
    if (k > 0) shift += wrap_shift(ring[k].x - ring[k - 1].x);
    out.push_back(PlanePoint{ring[k].x + shift, ring[k].y});
    y_sum += ring[k].y;
  }
  shift += wrap_shift(ring.front().x - ring.back().x);
  if (shift != 0) {
    const std::int64_t size = static_cast<std::int64_t>(ring.size());
    const std::int64_t pole =
        y_sum < size * (kPlaneMaxUnit / 2) ? 0 : kPlaneMaxUnit;
    const PlanePoint first = out.front();
    out.push_back(PlanePoint{first.x + shift, first.y});
    out.push_back(PlanePoint{first.x + shift, pole});
    out.push_back(PlanePoint{first.x, pole});
  }
  return out;
}

// Where the edge a-b crosses x = `bound`; the same for b-a, so that two
// rings sharing the edge share the corner.
PlanePoint crossing(PlanePoint a, PlanePoint b, std::int64_t bound) {
  if (b < a) std::swap(a, b);
  const double t =
      static_cast<double>(bound - a.x) / static_cast<double>(b.x - a.x);
  return PlanePoint{bound,
                    a.y + std::llround(t * static_cast<double>(b.y - a.y))};
}

// The part of `ring` on one side of x = `bound` (Sutherland-Hodgman),
// repeats removed.
PlaneRing clipped(const PlaneRing& ring, std::int64_t bound, bool keep_east) {
  const auto inside = [&](const PlanePoint& p) {
    return keep_east ? p.x >= bound : p.x <= bound;
  };
  PlaneRing out;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const PlanePoint& s = ring[i == 0 ? ring.size() - 1 : i - 1];
    const PlanePoint& e = ring[i];
    if (inside(e)) {
      if (!inside(s)) out.push_back(crossing(s, e, bound));
      out.push_back(e);
    } else if (inside(s)) {
      out.push_back(crossing(s, e, bound));
    }
  }
  remove_repeats(&out);
  return out;
}

PlaneRing transposed(PlaneRing ring) {
  for (PlanePoint& p : ring) std::swap(p.x, p.y);
  return ring;
}

bool holds(const PlaneBox& outer, const PlaneBox& inner) {
  return outer.west <= inner.west && outer.south <= inner.south &&
         inner.east <= outer.east && inner.north <= outer.north;
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

}  // namespace

void remove_repeats(PlaneRing* ring) {
  ring->erase(std::unique(ring->begin(), ring->end()), ring->end());
  while (ring->size() > 1 && ring->back() == ring->front()) ring->pop_back();
}

std::int64_t twice_area(const PlaneRing& ring) {
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const PlanePoint& p = ring[i];
    const PlanePoint& q = ring[(i + 1) % ring.size()];
    sum += p.x * q.y - q.x * p.y;
  }
  return sum;
}

bool is_usable(const PlaneRing& ring) {
  return std::set<PlanePoint>(ring.begin(), ring.end()).size() >= 3 &&
         twice_area(ring) != 0;
}

PlaneBox box_of(const PlaneRing& ring) {
  PlaneBox box{ring[0].x, ring[0].y, ring[0].x, ring[0].y};
  for (const PlanePoint& p : ring) {
    box.west = std::min(box.west, p.x);
    box.south = std::min(box.south, p.y);
    box.east = std::max(box.east, p.x);
    box.north = std::max(box.north, p.y);
  }
  return box;
}

PlaneRing simplified(const PlaneRing& chain, double tolerance) {
  if (chain.size() < 3) return chain;
  PlaneRing flat = chain;
  std::int64_t shift = 0;
  for (std::size_t k = 1; k < flat.size(); ++k) {
    shift += wrap_shift(chain[k].x - chain[k - 1].x);
    flat[k].x = chain[k].x + shift;
  }
  std::vector<bool> keep(chain.size(), false);
  keep.front() = true;
  keep.back() = true;
  const double tolerance2 = tolerance * tolerance;
  std::vector<std::pair<std::size_t, std::size_t>> spans = {
      {0, chain.size() - 1}};
  while (!spans.empty()) {
    const auto [first, last] = spans.back();
    spans.pop_back();
    double farthest = -1;
    std::size_t at = first;
    for (std::size_t k = first + 1; k < last; ++k) {
      const double d = squared_distance(flat[k], flat[first], flat[last]);
      if (d > farthest) {
        farthest = d;
        at = k;
      }
    }
    if (farthest <= tolerance2) continue;
    keep[at] = true;
    spans.emplace_back(first, at);
    spans.emplace_back(at, last);
  }
  PlaneRing result;
  for (std::size_t k = 0; k < chain.size(); ++k) {
    if (keep[k]) result.push_back(chain[k]);
  }
  return result;
}

std::vector<PlanePolygon> split_at_antimeridian(const PlanePolygon& polygon) {
  PlanePolygon rings;
  std::int64_t west = 0;
  std::int64_t east = 0;
  for (const PlaneRing& ring : polygon) {
    rings.push_back(unwrapped(ring));
    const PlaneBox box = box_of(rings.back());
    west = std::min(west, box.west);
    east = std::max(east, box.east);
  }
  if (west >= 0 && east <= kPlaneTurn) return {rings};

  std::vector<PlanePolygon> pieces;
  std::vector<PlaneRing> holes;
  for (std::int64_t k = floor_div(west, kPlaneTurn); k * kPlaneTurn < east;
       ++k) {
    const std::int64_t low = k * kPlaneTurn;
    for (std::size_t r = 0; r < rings.size(); ++r) {
      PlaneRing piece =
          clipped(clipped(rings[r], low, true), low + kPlaneTurn, false);
      for (PlanePoint& p : piece) p.x -= low;
      if (!is_usable(piece)) continue;
      if (r == 0) {
        pieces.push_back({std::move(piece)});
      } else {
        holes.push_back(std::move(piece));
      }
    }
  }
  for (PlaneRing& hole : holes) {
    const PlaneBox inner = box_of(hole);
    for (PlanePolygon& piece : pieces) {
      if (holds(box_of(piece[0]), inner)) {
        piece.push_back(std::move(hole));
        break;
      }
    }
  }
  return pieces;
}

PlanePolygon part_beyond_parallel(const PlanePolygon& polygon,
                                  std::int64_t bound, bool north) {
  PlanePolygon part;
  for (const PlaneRing& ring : polygon) {
    PlaneRing cut = transposed(clipped(transposed(ring), bound, north));
    if (!is_usable(cut)) {
      if (part.empty()) break;  // nothing of the outer ring on this side
      continue;
    }
    part.push_back(std::move(cut));
  }
  return part;
}

}  // namespace mkdata
}  // namespace tessera
