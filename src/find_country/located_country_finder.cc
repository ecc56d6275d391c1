#include "find_country/located_country_finder.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/byte_reader.h"
#include "data/file_values.h"
#include "data/in_memory.h"
#include "data/integrity.h"
#include "find_country/countries_format.h"
#include "find_country/disputed_relations.h"

namespace tessera {
namespace find_country {
namespace {

// Reads the record position stored in entry `index` of the table at `table`
// and moves the view there.
template <typename View>
void seek_record(View& view, std::int64_t table, std::int64_t index) {
  view.seek(static_cast<std::uint64_t>(table + kPositionSize * index));
  view.seek(view.read_u32());
}

}  // namespace

template <typename Source>
LocatedCountryFinder<Source>::LocatedCountryFinder(Source&& source)
    : source(std::move(source)) {
  typename Source::View view(this->source);
  view.seek(kXStepOffset);
  x_step = view.read_f64();
  y_step = view.read_f64();
  x_origin = view.read_f64();
  y_origin = view.read_f64();
  polygon_count = view.read_u32();
  arc_count = view.read_u32();
  relation_count = view.read_u32();

  const std::string_view file = view.file();
  data::checked_count(polygon_count, kPerPolygonSize, view.remaining(), file,
                      "polygons");
  polygon_table =
      static_cast<std::uint32_t>(polygon_table_position(polygon_count));
  arc_table = static_cast<std::uint32_t>(arc_table_position(polygon_count));
  data::checked_count(arc_count, kPositionSize, view.size() - arc_table, file,
                      "arcs");
  const std::int64_t line_table = line_table_position(polygon_count, arc_count);
  data::checked_count(relation_count, kPositionSize,
                      view.size() - static_cast<std::size_t>(line_table), file,
                      "disputed-area lines");

  codes.resize(kCodeSize * polygon_count);
  view.seek(codes_position());
  view.read_bytes(codes.data(), codes.size());
  boxes.reserve(4 * std::size_t{polygon_count});
  for (std::uint32_t i = 0; i < 4 * polygon_count; ++i) {
    boxes.push_back(view.read_u16());
  }

  std::vector<std::string> lines;
  lines.reserve(relation_count);
  for (std::uint32_t k = 0; k < relation_count; ++k) {
    seek_record(view, line_table, k);
    lines.emplace_back(view.read_text(kLineEnd));
  }
  disputed = reformat_disputed_relations(lines);
  validate_disputed_areas(disputed, codes);
}

template <typename Source>
XY LocatedCountryFinder<Source>::quantise(
    const Coordinates& position) const noexcept {
  double lng = std::fmod(position.lng, 360.0);
  if (lng >= 180.0) {
    lng -= 360.0;
  } else if (lng < -180.0) {
    lng += 360.0;
  }
  return XY{(lng - x_origin) / x_step, (position.lat - y_origin) / y_step};
}

template <typename Source>
bool LocatedCountryFinder<Source>::point_is_in_bounding_box(
    XY p, int polygon) const noexcept {
  const std::uint16_t* box = &boxes[4 * static_cast<std::size_t>(polygon)];
  return box[0] <= p.x && p.x <= box[2] && box[1] <= p.y && p.y <= box[3];
}

template <typename Source>
Polygon LocatedCountryFinder<Source>::read_polygon(int polygon) const {
  if (polygon < 0 || static_cast<std::uint32_t>(polygon) >= polygon_count) {
    data::integrity_failure(source.name(),
                            "polygon " + std::to_string(polygon) +
                                " lies outside its " +
                                std::to_string(polygon_count) + " polygons");
  }
  typename Source::View view(source);
  seek_record(view, polygon_table, polygon);
  Polygon result;
  result.n = view.read_u16();
  data::checked_count(result.n, 2, view.remaining(), view.file(),
                      "arc references of a polygon");
  result.arcs.reserve(result.n);
  for (int k = 0; k < result.n; ++k) {
    const std::int16_t reference = view.read_i16();
    const std::int32_t arc = reference >= 0 ? reference : ~reference;
    if (static_cast<std::uint32_t>(arc) >= arc_count) {
      view.fail("polygon " + std::to_string(polygon) + " refers to arc " +
                std::to_string(arc) + " of only " + std::to_string(arc_count));
    }
    result.arcs.push_back(reference);
  }
  return result;
}

template <typename Source>
Arc LocatedCountryFinder<Source>::read_arc(int arc) const {
  if (arc < 0 || static_cast<std::uint32_t>(arc) >= arc_count) {
    data::integrity_failure(
        source.name(), "arc " + std::to_string(arc) + " lies outside its " +
                           std::to_string(arc_count) + " arcs");
  }
  typename Source::View view(source);
  seek_record(view, arc_table, arc);
  Arc result;
  result.n = view.read_u16();
  result.x0 = view.read_u16();
  result.y0 = view.read_u16();
  data::checked_count(result.n, 2, view.remaining(), view.file(),
                      "steps of an arc");
  result.steps.reserve(result.n);
  for (int k = 0; k < result.n; ++k) {
    const std::int8_t dx = view.read_i8();
    const std::int8_t dy = view.read_i8();
    result.steps.emplace_back(dx, dy);
  }
  return result;
}

template <typename Source>
int LocatedCountryFinder<Source>::arc_winding_no(const Arc& arc,
                                                 const XY& p) const noexcept {
  if (arc.n == 0) return 0;
  double a = arc.x0 - p.x;
  double b = arc.y0 - p.y;
  int wn = 0;
  for (const auto& step : arc.steps) {
    const double c = a + step.first;
    const double d = b + step.second;
    if (b <= 0 && d > 0 && a * d - b * c > 0) {
      ++wn;
    } else if (b > 0 && d <= 0 && a * d - b * c < 0) {
      --wn;
    }
    a = c;
    b = d;
  }
  return wn;
}

template <typename Source>
bool LocatedCountryFinder<Source>::polygon_contains_point(
    const Polygon& polygon, const XY& p) const {
  int wn = 0;
  for (const std::int16_t reference : polygon.arcs) {
    if (reference >= 0) {
      wn += arc_winding_no(read_arc(reference), p);
    } else {
      wn -= arc_winding_no(read_arc(~reference), p);
    }
  }
  return wn != 0;
}

template <typename Source>
Country LocatedCountryFinder<Source>::code_of(int polygon) const {
  const std::size_t at = kCodeSize * static_cast<std::size_t>(polygon);
  return Country(std::string(&codes[at], kCodeSize));
}

template <typename Source>
Country LocatedCountryFinder<Source>::country_of(
    const Coordinates& position) const {
  const XY p = quantise(position);
  for (std::uint32_t i = 0; i < polygon_count; ++i) {
    const int polygon = static_cast<int>(i);
    if (point_is_in_bounding_box(p, polygon) &&
        polygon_contains_point(read_polygon(polygon), p)) {
      return code_of(polygon);
    }
  }
  return Country("ZZ");
}

template <typename Source>
bool LocatedCountryFinder<Source>::is_point_in(
    const Coordinates& position, const std::set<Country>& countries) const {
  if (countries.count(Country("ZZ")) != 0) {
    return countries.count(country_of(position)) != 0;
  }
  const XY p = quantise(position);
  for (std::uint32_t i = 0; i < polygon_count; ++i) {
    const int polygon = static_cast<int>(i);
    if (point_is_in_bounding_box(p, polygon) &&
        countries.count(code_of(polygon)) != 0 &&
        polygon_contains_point(read_polygon(polygon), p)) {
      return true;
    }
  }
  return false;
}

template <typename Source>
std::set<Country> LocatedCountryFinder<Source>::expand_with_disputed(
    const std::set<Country>& countries) const {
  std::set<Country> result = countries;
  for (const Country& country : countries) {
    const auto entry = disputed.find(country);
    if (entry == disputed.end()) continue;
    result.insert(entry->second.begin(), entry->second.end());
  }
  return result;
}

template class LocatedCountryFinder<data::InMemory>;

}  // namespace find_country
}  // namespace tessera
