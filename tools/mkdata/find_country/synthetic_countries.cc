#include "mkdata/find_country/synthetic_countries.h"

#include <utility>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

// A ring from (lng, lat) pairs, the form in which corners are easiest to
// read on a map.
std::vector<Coordinates> ring(
    const std::vector<std::pair<double, double>>& lng_lat) {
  std::vector<Coordinates> corners;
  for (const auto& p : lng_lat) corners.emplace_back(p.second, p.first);
  return corners;
}

}  // namespace

CountrySet synthetic_countries() {
  // The crooked border between AA and BB, south to north.
  const std::vector<std::pair<double, double>> border = {
      {10, 0}, {11, 2}, {9, 4}, {10.5, 7}, {10, 10}};
  std::vector<std::pair<double, double>> aa = {{0, 0}, {8, 0}};
  aa.insert(aa.end(), border.begin(), border.end());
  aa.push_back({0, 10});
  std::vector<std::pair<double, double>> bb = {
      {10, 0}, {12, 0}, {20, 0}, {20, 10}};
  bb.insert(bb.end(), border.rbegin(), border.rend() - 1);

  CountrySet set;
  set.outlines = {
      // AA's hole is given anticlockwise like its outer ring; the writer
      // turns it round.
      {"AA", {ring(aa), ring({{3, 3}, {6, 3}, {6, 6}, {3, 6}})}},
      {"BB", {ring(bb)}},
      {"CC", {ring({{0, 10}, {10, 10}, {20, 10}, {20, 14}, {0, 14}})}},
      {"EE", {ring({{3, 3}, {3, 6}, {6, 6}, {6, 3}, {3, 3}})}},
      {"XD", {ring({{8, -3}, {12, -3}, {12, 0}, {10, 0}, {8, 0}})}},
      {"DD", {ring({{-180, 50}, {-178, 50}, {-178, 51}, {-180, 51}})}},
  };
  set.disputed = {{"XD", {"AA", "BB"}}};
  return set;
}

}  // namespace mkdata
}  // namespace tessera
