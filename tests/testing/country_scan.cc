#include "testing/country_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <string>

#include "data/in_memory.h"
#include "data/little_endian.h"
#include "find_country/countries_format.h"
#include "find_country/located_country_finder.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"

namespace tessera {
namespace test {
namespace {

using Finder = find_country::LocatedCountryFinder<data::InMemory>;

// The finder before its index: every outline in file order, its box first,
// then the winding number over all of its arcs.
class FullScan {
 public:
  FullScan(const Finder& finder, const std::vector<std::uint8_t>& bytes)
      : finder_(finder),
        bytes_(bytes),
        count_(data::decode_le<std::uint32_t>(
            &bytes[find_country::kPolygonCountOffset])) {}

  std::string code_of(std::uint32_t polygon) const {
    const std::size_t at = find_country::codes_position() + 2 * polygon;
    return std::string(reinterpret_cast<const char*>(&bytes_[at]), 2);
  }

  bool holds(std::uint32_t polygon, const find_country::XY& p) const {
    const int i = static_cast<int>(polygon);
    return finder_.point_is_in_bounding_box(p, i) &&
           finder_.polygon_contains_point(finder_.read_polygon(i), p);
  }

  std::string country_of(const Coordinates& position) const {
    const find_country::XY p = finder_.quantise(position);
    for (std::uint32_t i = 0; i < count_; ++i) {
      if (holds(i, p)) return code_of(i);
    }
    return "ZZ";
  }

  bool is_point_in(const Coordinates& position,
                   const std::set<std::string>& codes) const {
    if (codes.count("ZZ") != 0) return codes.count(country_of(position)) != 0;
    const find_country::XY p = finder_.quantise(position);
    for (std::uint32_t i = 0; i < count_; ++i) {
      if (codes.count(code_of(i)) != 0 && holds(i, p)) return true;
    }
    return false;
  }

  std::uint32_t count() const { return count_; }

 private:
  const Finder& finder_;
  const std::vector<std::uint8_t>& bytes_;
  std::uint32_t count_;
};

double f64_at(const std::vector<std::uint8_t>& bytes, std::int64_t at) {
  return data::decode_le<double>(&bytes[static_cast<std::size_t>(at)]);
}

}  // namespace

std::size_t compare_country_index_with_full_scan(
    const std::vector<std::uint8_t>& bytes, std::size_t random_count, bool nudge) {
  const Finder finder(
      data::InMemory(std::vector<char>(bytes.begin(), bytes.end())));
  const FullScan scan(finder, bytes);
  const double x_step = f64_at(bytes, find_country::kXStepOffset);
  const double y_step = f64_at(bytes, find_country::kYStepOffset);
  const double x_origin = f64_at(bytes, find_country::kXOriginOffset);
  const double y_origin = f64_at(bytes, find_country::kYOriginOffset);

  // Every vertex of every arc, in quantised units.
  std::vector<std::pair<int, int>> vertices;
  const auto arc_count = data::decode_le<std::uint32_t>(
      &bytes[find_country::kArcCountOffset]);
  for (std::uint32_t a = 0; a < arc_count; ++a) {
    const find_country::Arc arc = finder.read_arc(static_cast<int>(a));
    int x = arc.x0;
    int y = arc.y0;
    vertices.emplace_back(x, y);
    for (const auto& step : arc.steps) {
      x += step.first;
      y += step.second;
      vertices.emplace_back(x, y);
    }
  }

  std::size_t compared = 0;
  int failures = 0;
  // Takes latitude and longitude: vertices and positions next to them may
  // lie beyond a pole, where no position is.
  const auto compare = [&](double lat, double lng) {
    if (lat < -90.0 || lat > 90.0) return;
    const Coordinates p(lat, lng);
    ++compared;
    if (failures > 20) return;  // enough to see what is wrong
    const std::string expected = scan.country_of(p);
    const std::string actual = finder.country_of(p).code;
    bool same = actual == expected;
    const std::string other = scan.code_of(compared % scan.count());
    const std::set<std::string> sets[] = {
        {other}, {expected, other}, {"ZZ", other}, {}};
    for (const std::set<std::string>& codes : sets) {
      std::set<Country> countries;
      for (const std::string& code : codes) countries.insert(Country(code));
      same = same &&
             finder.is_point_in(p, countries) == scan.is_point_in(p, codes);
    }
    if (!same) {
      ++failures;
      ADD_FAILURE() << "the index and the full scan differ at "
                    << std::hexfloat << p.lat << ", " << p.lng
                    << std::defaultfloat << " (full scan: " << expected
                    << ", index: " << actual << ")";
    }
  };

  for (const auto& [x, y] : vertices) {
    const double lat = y_origin + y * y_step;
    const double lng = x_origin + x * x_step;
    if (!nudge) {
      compare(lat, lng);
      continue;
    }
    for (const double dlat : {-1.0, 0.0, 1.0}) {
      for (const double dlng : {-1.0, 0.0, 1.0}) {
        compare(dlat == 0 ? lat : std::nextafter(lat, dlat * 1e9),
                dlng == 0 ? lng : std::nextafter(lng, dlng * 1e9));
      }
    }
  }

  const std::uint64_t seed = 20261211;
  SCOPED_TRACE(testing::Message() << "seed " << seed);
  std::mt19937_64 random(seed);
  const auto unit = [&random] {
    return static_cast<double>(random() >> 11) * 0x1.0p-53;
  };
  for (std::size_t i = 0; i < random_count; ++i) {
    if (i % 2 == 0 || vertices.empty()) {
      compare(180.0 * unit() - 90.0, 360.0 * unit() - 180.0);
    } else {
      // Within three units of a vertex, where the arcs are.
      const auto& [x, y] = vertices[random() % vertices.size()];
      compare(y_origin + (y + 6.0 * unit() - 3.0) * y_step,
              x_origin + (x + 6.0 * unit() - 3.0) * x_step);
    }
  }
  return compared;
}

}  // namespace test
}  // namespace tessera
