#include "mkdata/world/place_selection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

#include "mkdata/find_nearest_place/kdtree_writer.h"
#include "tessera/coordinates.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthRadiusKm = 6371;
constexpr double kPeoplePerKm2 = 4000;
// A place removes places with fewer than 1 / kPopulationRatio of its
// inhabitants.
constexpr std::uint64_t kPopulationRatio = 10;
// Buckets of this many degrees a side find the places near a place.
constexpr double kBucketDegrees = 0.5;
constexpr int kBucketsAround = 720;  // 360 / kBucketDegrees
constexpr double kKmPerDegree = kEarthRadiusKm * kPi / 180;

double radians(double degrees) { return degrees * kPi / 180; }

double distance_km(const City& a, const City& b) {
  const double dlat = radians(b.lat - a.lat);
  const double dlng = radians(b.lng - a.lng);
  const double h = std::sin(dlat / 2) * std::sin(dlat / 2) +
                   std::cos(radians(a.lat)) * std::cos(radians(b.lat)) *
                       std::sin(dlng / 2) * std::sin(dlng / 2);
  return 2 * kEarthRadiusKm * std::asin(std::sqrt(std::min(1.0, h)));
}

int bucket_row(double lat) {
  return static_cast<int>(std::floor((lat + 90) / kBucketDegrees));
}
int bucket_column(double lng) {
  const int column = static_cast<int>(std::floor((lng + 180) / kBucketDegrees));
  return ((column % kBucketsAround) + kBucketsAround) % kBucketsAround;
}
std::int64_t bucket_key(int row, int column) {
  return std::int64_t{row} * kBucketsAround + column;
}

bool removes(const City& big, const City& small) {
  return small.population * kPopulationRatio < big.population ||
         (small.feature_code == "PPLX" && small.population < big.population);
}

}  // namespace

double city_radius_km(std::uint64_t population) noexcept {
  return std::sqrt(static_cast<double>(population) / (kPi * kPeoplePerKm2));
}

std::vector<bool> places_to_keep(const std::vector<City>& cities) {
  std::vector<std::size_t> order(cities.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&cities](std::size_t a, std::size_t b) {
              if (cities[a].population != cities[b].population) {
                return cities[a].population > cities[b].population;
              }
              return cities[a].id < cities[b].id;
            });
  std::unordered_map<std::int64_t, std::vector<std::size_t>> buckets;
  for (std::size_t i = 0; i < cities.size(); ++i) {
    buckets[bucket_key(bucket_row(cities[i].lat), bucket_column(cities[i].lng))]
        .push_back(i);
  }

  std::vector<bool> keep(cities.size(), true);
  for (const std::size_t p : order) {
    if (!keep[p]) continue;
    const City& big = cities[p];
    const double radius = city_radius_km(big.population);
    const double lat_span = radius / kKmPerDegree;
    const double cos_lat =
        std::cos(radians(std::min(89.0, std::abs(big.lat) + lat_span)));
    const double lng_span = std::min(180.0, lat_span / cos_lat);
    const int row_first = bucket_row(std::max(-90.0, big.lat - lat_span));
    const int row_last = bucket_row(std::min(90.0, big.lat + lat_span));
    const int columns = std::min(
        kBucketsAround,
        2 * static_cast<int>(std::ceil(lng_span / kBucketDegrees)) + 1);
    const int column_first = bucket_column(big.lng) - columns / 2;
    for (int row = row_first; row <= row_last; ++row) {
      for (int k = 0; k < columns; ++k) {
        const int column =
            ((column_first + k) % kBucketsAround + kBucketsAround) %
            kBucketsAround;
        const auto it = buckets.find(bucket_key(row, column));
        if (it == buckets.end()) continue;
        for (const std::size_t q : it->second) {
          if (q == p || !keep[q] || !removes(big, cities[q])) continue;
          if (distance_km(big, cities[q]) < radius) keep[q] = false;
        }
      }
    }
  }

  std::unordered_set<std::uint64_t> cells;
  for (const std::size_t p : order) {
    if (!keep[p]) continue;
    const QuantisedPosition cell =
        quantise(Coordinates(cities[p].lat, cities[p].lng));
    if (!cells.insert(std::uint64_t{cell.a} << 32 | cell.b).second) {
      keep[p] = false;
    }
  }
  return keep;
}

}  // namespace mkdata
}  // namespace tessera
