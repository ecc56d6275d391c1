#include "mkdata/find_country/countries_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "find_country/countries_format.h"
#include "mkdata/byte_writer.h"

namespace tessera {
namespace mkdata {
namespace {

using Point = std::pair<std::int32_t, std::int32_t>;  // x, y in units
using Chain = std::vector<Point>;

constexpr std::int32_t kMaxUnit = 65535;
// Rounding the evenly split intermediate vertices can lengthen a step by one
// unit, so each is planned a unit short of the signed byte's 127.
constexpr std::int64_t kMaxPlannedStep = 126;
constexpr std::size_t kMaxStepsPerArc = 65535;
constexpr std::size_t kMaxArcs = 32768;
constexpr std::size_t kMaxReferences = 65535;

struct ArcRecord {
  Point start;
  std::vector<std::pair<std::int8_t, std::int8_t>> steps;
};

std::int32_t to_unit(double value, const char* axis) {
  const double rounded = std::round(value);
  if (!(rounded >= 0 && rounded <= kMaxUnit)) {
    throw std::invalid_argument(std::string("a corner's ") + axis +
                                " falls outside the quantised plane");
  }
  return static_cast<std::int32_t>(rounded);
}

// Twice the signed area; positive for a counter-clockwise ring.
std::int64_t twice_area(const Chain& ring) {
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const Point& p = ring[i];
    const Point& q = ring[(i + 1) % ring.size()];
    sum += std::int64_t{p.first} * q.second - std::int64_t{q.first} * p.second;
  }
  return sum;
}

Chain quantise_ring(const std::vector<Coordinates>& corners,
                    const Quantisation& q, bool outer) {
  Chain ring;
  for (const Coordinates& c : corners) {
    const Point p{to_unit((c.lng - q.x_origin) / q.x_step, "longitude"),
                  to_unit((c.lat - q.y_origin) / q.y_step, "latitude")};
    if (ring.empty() || ring.back() != p) ring.push_back(p);
  }
  while (ring.size() > 1 && ring.back() == ring.front()) ring.pop_back();
  if (std::set<Point>(ring.begin(), ring.end()).size() < 3) {
    throw std::invalid_argument("a ring has fewer than 3 distinct corners");
  }
  if ((twice_area(ring) > 0) != outer) std::reverse(ring.begin(), ring.end());
  return ring;
}

// The steps of the edges of `chain`, each edge cut into equal parts short
// enough for signed bytes.
std::vector<std::pair<std::int8_t, std::int8_t>> steps_of(const Chain& chain) {
  std::vector<std::pair<std::int8_t, std::int8_t>> steps;
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    const std::int64_t dx = chain[i + 1].first - chain[i].first;
    const std::int64_t dy = chain[i + 1].second - chain[i].second;
    const std::int64_t longest = std::max(std::llabs(dx), std::llabs(dy));
    const std::int64_t parts = std::max<std::int64_t>(
        1, (longest + kMaxPlannedStep - 1) / kMaxPlannedStep);
    std::int64_t x = 0;
    std::int64_t y = 0;
    for (std::int64_t k = 1; k <= parts; ++k) {
      const std::int64_t nx = std::llround(static_cast<double>(dx * k) / parts);
      const std::int64_t ny = std::llround(static_cast<double>(dy * k) / parts);
      steps.emplace_back(static_cast<std::int8_t>(nx - x),
                         static_cast<std::int8_t>(ny - y));
      x = nx;
      y = ny;
    }
  }
  return steps;
}

class ArcBuilder {
 public:
  // The references that walk `chain` from its first to its last vertex,
  // making new arcs unless the chain, or its reverse, was seen before.
  std::vector<std::int16_t> references(const Chain& chain) {
    const auto forward = arcs_of_chain_.find(chain);
    if (forward != arcs_of_chain_.end()) return forward->second;
    const Chain reversed(chain.rbegin(), chain.rend());
    const auto backward = arcs_of_chain_.find(reversed);
    if (backward != arcs_of_chain_.end()) {
      std::vector<std::int16_t> refs;
      for (auto it = backward->second.rbegin(); it != backward->second.rend();
           ++it) {
        refs.push_back(static_cast<std::int16_t>(~*it));
      }
      return refs;
    }
    std::vector<std::int16_t> refs;
    std::size_t begin = 0;
    while (begin + 1 < chain.size()) {
      // Extend the piece edge by edge while its steps fit in one arc.
      std::size_t end = begin + 1;
      std::size_t count = steps_of({chain[begin], chain[end]}).size();
      while (end + 1 < chain.size()) {
        const std::size_t more = steps_of({chain[end], chain[end + 1]}).size();
        if (count + more > kMaxStepsPerArc) break;
        count += more;
        ++end;
      }
      const Chain piece(chain.begin() + begin, chain.begin() + end + 1);
      if (arcs_.size() >= kMaxArcs) {
        throw std::length_error("more than 32,768 arcs");
      }
      refs.push_back(static_cast<std::int16_t>(arcs_.size()));
      arcs_.push_back(ArcRecord{piece.front(), steps_of(piece)});
      begin = end;
    }
    arcs_of_chain_.emplace(chain, refs);
    return refs;
  }

  const std::vector<ArcRecord>& arcs() const { return arcs_; }

 private:
  std::map<Chain, std::vector<std::int16_t>> arcs_of_chain_;
  std::vector<ArcRecord> arcs_;
};

struct PolygonRecord {
  std::string code;
  std::uint16_t box[4];
  std::vector<std::int16_t> references;
};

void put_f64(ByteWriter& out, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  out.u64(bits);
}

}  // namespace

Quantisation world_quantisation() noexcept {
  return Quantisation{360.0 / kMaxUnit, 180.0 / kMaxUnit, -180.0, -90.0};
}

std::vector<std::uint8_t> write_countries(
    const std::vector<CountryOutline>& outlines,
    const std::vector<DisputedArea>& disputed,
    const Quantisation& quantisation) {
  std::vector<std::vector<Chain>> rings(outlines.size());
  std::map<Point, std::set<Point>> neighbours;
  for (std::size_t i = 0; i < outlines.size(); ++i) {
    if (outlines[i].code.size() != 2) {
      throw std::invalid_argument("the country code \"" + outlines[i].code +
                                  "\" is not two characters long");
    }
    for (std::size_t r = 0; r < outlines[i].rings.size(); ++r) {
      rings[i].push_back(
          quantise_ring(outlines[i].rings[r], quantisation, r == 0));
      const Chain& ring = rings[i].back();
      for (std::size_t k = 0; k < ring.size(); ++k) {
        const Point& p = ring[k];
        const Point& q = ring[(k + 1) % ring.size()];
        neighbours[p].insert(q);
        neighbours[q].insert(p);
      }
    }
  }

  // Borders are cut where more than two edges meet (or an end is loose),
  // so that both sides of a shared border cut it at the same corners. A
  // ring with no such corner (an island, or an enclave and the hole it
  // fills) is cut at its least corner.
  ArcBuilder builder;
  std::vector<PolygonRecord> polygons;
  for (std::size_t i = 0; i < outlines.size(); ++i) {
    PolygonRecord polygon{outlines[i].code, {kMaxUnit, kMaxUnit, 0, 0}, {}};
    for (const Chain& ring : rings[i]) {
      std::vector<std::size_t> cuts;
      for (std::size_t k = 0; k < ring.size(); ++k) {
        if (neighbours[ring[k]].size() != 2) cuts.push_back(k);
        polygon.box[0] = std::min<std::uint16_t>(polygon.box[0], ring[k].first);
        polygon.box[1] =
            std::min<std::uint16_t>(polygon.box[1], ring[k].second);
        polygon.box[2] = std::max<std::uint16_t>(polygon.box[2], ring[k].first);
        polygon.box[3] =
            std::max<std::uint16_t>(polygon.box[3], ring[k].second);
      }
      if (cuts.empty()) {
        cuts.push_back(static_cast<std::size_t>(
            std::min_element(ring.begin(), ring.end()) - ring.begin()));
      }
      for (std::size_t c = 0; c < cuts.size(); ++c) {
        const std::size_t from = cuts[c];
        const std::size_t to = cuts[(c + 1) % cuts.size()];
        Chain chain{ring[from]};
        std::size_t k = from;
        do {
          k = (k + 1) % ring.size();
          chain.push_back(ring[k]);
        } while (k != to);
        const std::vector<std::int16_t> refs = builder.references(chain);
        polygon.references.insert(polygon.references.end(), refs.begin(),
                                  refs.end());
      }
    }
    if (polygon.references.size() > kMaxReferences) {
      throw std::length_error("more than 65,535 arcs in the outline of " +
                              polygon.code);
    }
    polygons.push_back(std::move(polygon));
  }

  using namespace find_country;
  const std::vector<ArcRecord>& arcs = builder.arcs();
  const std::int64_t n = static_cast<std::int64_t>(polygons.size());
  const std::int64_t m = static_cast<std::int64_t>(arcs.size());
  // The body starts after the 4-byte length word, so a body offset plus 4
  // is a position in the file.
  constexpr std::int64_t kFrame = 4;
  ByteWriter out;
  put_f64(out, quantisation.x_step);
  put_f64(out, quantisation.y_step);
  put_f64(out, quantisation.x_origin);
  put_f64(out, quantisation.y_origin);
  out.u32(static_cast<std::uint32_t>(n));
  out.u32(static_cast<std::uint32_t>(m));
  out.u32(static_cast<std::uint32_t>(disputed.size()));
  for (const PolygonRecord& polygon : polygons) {
    out.text(polygon.code);
  }
  for (const PolygonRecord& polygon : polygons) {
    for (const std::uint16_t value : polygon.box) out.u16(value);
  }
  const std::size_t tables =
      static_cast<std::size_t>(polygon_table_position(n) - kFrame);
  const std::size_t entries = polygons.size() + arcs.size() + disputed.size();
  for (std::size_t k = 0; k < entries; ++k) out.u32(0);

  std::size_t entry = tables;
  const auto record_here = [&out, &entry] {
    out.patch_u32(entry, static_cast<std::uint32_t>(out.size() + kFrame));
    entry += kPositionSize;
  };
  for (const PolygonRecord& polygon : polygons) {
    record_here();
    out.u16(static_cast<std::uint16_t>(polygon.references.size()));
    for (const std::int16_t reference : polygon.references) {
      out.i16(reference);
    }
  }
  for (const ArcRecord& arc : arcs) {
    record_here();
    out.u16(static_cast<std::uint16_t>(arc.steps.size()));
    out.u16(static_cast<std::uint16_t>(arc.start.first));
    out.u16(static_cast<std::uint16_t>(arc.start.second));
    for (const auto& step : arc.steps) {
      out.u8(static_cast<std::uint8_t>(step.first));
      out.u8(static_cast<std::uint8_t>(step.second));
    }
  }
  for (const DisputedArea& area : disputed) {
    record_here();
    out.text(area.area);
    for (const std::string& claimant : area.claimants) out.text(claimant);
    out.u8(static_cast<std::uint8_t>(kLineEnd));
  }
  return frame(out.bytes());
}

}  // namespace mkdata
}  // namespace tessera
