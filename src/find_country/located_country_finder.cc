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
#include "data/little_endian.h"
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

// The quantised plane's boxes lie in 0 ... 65535 on both axes; the bucket
// grid cuts that into kBucketsPerSide x kBucketsPerSide squares.
constexpr int kBucketShift = 10;
constexpr int kBucketsPerSide = 65536 >> kBucketShift;
constexpr double kLargestBoxValue = 65535.0;

// An arc whose vertices all lie at least this far above or below a point,
// or this far to its west, adds nothing to the point's winding number, even
// as arc_winding_no computes it: its running differences (at most 65,535
// steps of at most 128 units from a start below 65,536, so below 2^25 in
// size) carry a rounding error below 2^-13 units, which cannot flip a sign.
constexpr double kArcMargin = 1.0;

// The winding number that a run of steps (an arc, or a chunk of one) adds
// round `p`, told from the range its vertices span and the y of its first
// and last vertex, where that is enough: nothing when every vertex lies
// kArcMargin above or below the point's row or west of the point; when
// every vertex lies kArcMargin east and both ends kArcMargin off the row,
// each step across the row counts, up +1 and down -1, so they add up to
// whether the run ends above the row less whether it starts above it.
// Returns false, leaving `wn` alone, when the run has to be walked.
template <typename Run>
bool winding_from_range(const Run& run, std::int32_t y_start, const XY& p,
                        int* wn) noexcept {
  if (run.y_min - p.y >= kArcMargin || p.y - run.y_max >= kArcMargin ||
      p.x - run.x_max >= kArcMargin) {
    *wn = 0;
    return true;
  }
  const double b = y_start - p.y;
  const double b_end = run.y_end - p.y;
  const auto off_row = [](double d) {
    return d >= kArcMargin || -d >= kArcMargin;
  };
  if (run.x_min - p.x >= kArcMargin && off_row(b) && off_row(b_end)) {
    *wn = (b_end > 0 ? 1 : 0) - (b > 0 ? 1 : 0);
    return true;
  }
  return false;
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
  check_and_index();
}

template <typename Source>
void LocatedCountryFinder<Source>::check_and_index() {
  typename Source::View view(source);
  arcs.reserve(arc_count);
  for (std::uint32_t a = 0; a < arc_count; ++a) {
    // read_arc's checks, without keeping the steps.
    seek_record(view, arc_table, a);
    ArcExtent arc;
    arc.n = view.read_u16();
    arc.x0 = view.read_u16();
    arc.y0 = view.read_u16();
    arc.steps_at = static_cast<std::uint32_t>(view.position());
    const std::uint8_t* steps = view.take(2 * std::size_t{arc.n}, "steps");
    std::int32_t x = arc.x0;
    std::int32_t y = arc.y0;
    arc.x_min = x;
    arc.x_max = x;
    arc.y_min = y;
    arc.y_max = y;
    arc.first_chunk = arc.n > kChunkSteps
                          ? static_cast<std::uint32_t>(chunks.size())
                          : kNoChunks;
    ArcChunk chunk{};
    for (std::size_t k = 0; k < arc.n; ++k) {
      if (arc.first_chunk != kNoChunks && k % kChunkSteps == 0) {
        chunk = ArcChunk{x, x, y, y, x, y, y};
      }
      x += static_cast<std::int8_t>(steps[2 * k]);
      y += static_cast<std::int8_t>(steps[2 * k + 1]);
      if (x < arc.x_min) arc.x_min = x;
      if (x > arc.x_max) arc.x_max = x;
      if (y < arc.y_min) arc.y_min = y;
      if (y > arc.y_max) arc.y_max = y;
      if (arc.first_chunk != kNoChunks) {
        if (x < chunk.x_min) chunk.x_min = x;
        if (x > chunk.x_max) chunk.x_max = x;
        if (y < chunk.y_min) chunk.y_min = y;
        if (y > chunk.y_max) chunk.y_max = y;
        chunk.y_end = y;
        if (k % kChunkSteps == kChunkSteps - 1 || k + 1 == arc.n) {
          chunks.push_back(chunk);
        }
      }
    }
    arc.y_end = y;
    arcs.push_back(arc);
  }

  polygon_at.reserve(polygon_count);
  std::vector<std::uint32_t> per_bucket(
      std::size_t{kBucketsPerSide} * kBucketsPerSide + 1, 0);
  for (std::uint32_t i = 0; i < polygon_count; ++i) {
    read_polygon(static_cast<int>(i));  // checks every arc reference
    seek_record(view, polygon_table, i);
    polygon_at.push_back(static_cast<std::uint32_t>(view.position()));
    const std::uint16_t* box = &boxes[4 * std::size_t{i}];
    for (int by = box[1] >> kBucketShift; by <= box[3] >> kBucketShift; ++by) {
      for (int bx = box[0] >> kBucketShift; bx <= box[2] >> kBucketShift;
           ++bx) {
        ++per_bucket[std::size_t{1} + by * kBucketsPerSide + bx];
      }
    }
  }
  // Counts to starts; a box with min above max lists nowhere, and holds no
  // point either.
  for (std::size_t k = 1; k < per_bucket.size(); ++k) {
    per_bucket[k] += per_bucket[k - 1];
  }
  bucket_polygons.resize(per_bucket.back());
  bucket_first = per_bucket;
  for (std::uint32_t i = 0; i < polygon_count; ++i) {
    const std::uint16_t* box = &boxes[4 * std::size_t{i}];
    for (int by = box[1] >> kBucketShift; by <= box[3] >> kBucketShift; ++by) {
      for (int bx = box[0] >> kBucketShift; bx <= box[2] >> kBucketShift;
           ++bx) {
        bucket_polygons[per_bucket[by * kBucketsPerSide + bx]++] = i;
      }
    }
  }
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
std::pair<const std::uint32_t*, const std::uint32_t*>
LocatedCountryFinder<Source>::candidates(const XY& p) const noexcept {
  // False for NaN too, which no box holds.
  if (!(p.x >= 0 && p.x <= kLargestBoxValue && p.y >= 0 &&
        p.y <= kLargestBoxValue)) {
    return {nullptr, nullptr};
  }
  // A box [x min, x max] holds p.x only if the bucket of floor(p.x) lies
  // between the buckets of x min and x max, where the box is listed.
  const int bx = static_cast<int>(p.x) >> kBucketShift;
  const int by = static_cast<int>(p.y) >> kBucketShift;
  const std::size_t k = std::size_t{1} * by * kBucketsPerSide + bx;
  const std::uint32_t* first = bucket_polygons.data();
  return {first + bucket_first[k], first + bucket_first[k + 1]};
}

template <typename Source>
bool LocatedCountryFinder<Source>::contains(std::uint32_t polygon,
                                            const XY& p) const noexcept {
  // The records were checked at construction: they lie inside the bytes.
  const std::uint8_t* bytes = source.data();
  const std::uint8_t* record = bytes + polygon_at[polygon];
  const std::uint16_t n = data::decode_le<std::uint16_t>(record);
  int wn = 0;
  for (std::size_t r = 0; r < n; ++r) {
    const auto reference = data::decode_le<std::int16_t>(record + 2 + 2 * r);
    const ArcExtent& arc = arcs[reference >= 0 ? reference : ~reference];
    int arc_wn = 0;
    if (winding_from_range(arc, arc.y0, p, &arc_wn) ||
        (arc.first_chunk != kNoChunks &&
         chunked_winding_no(arc, p, &arc_wn))) {
      wn += reference >= 0 ? arc_wn : -arc_wn;
      continue;
    }
    // arc_winding_no, step for step, on the bytes.
    double a = arc.x0 - p.x;
    double b = arc.y0 - p.y;
    const std::uint8_t* step = bytes + arc.steps_at;
    for (std::size_t k = 0; k < arc.n; ++k, step += 2) {
      const double c = a + static_cast<std::int8_t>(step[0]);
      const double d = b + static_cast<std::int8_t>(step[1]);
      if (b <= 0 && d > 0 && a * d - b * c > 0) {
        ++arc_wn;
      } else if (b > 0 && d <= 0 && a * d - b * c < 0) {
        --arc_wn;
      }
      a = c;
      b = d;
    }
    wn += reference >= 0 ? arc_wn : -arc_wn;
  }
  return wn != 0;
}

template <typename Source>
bool LocatedCountryFinder<Source>::chunked_winding_no(
    const ArcExtent& arc, const XY& p, int* wn) const noexcept {
  // arc_winding_no's running differences stray less than 2^-13 units from
  // the exact ones (see kArcMargin), and so do the ones computed here, which
  // start afresh at each chunk: the two differ by less than 2^-12. Every
  // decision below is taken only where that cannot change it; anywhere
  // else the answer is left to the full walk.
  constexpr double kSureSign = 0x1.0p-10;
  constexpr double kSureProduct = 0x1.0p-49;
  const std::uint8_t* steps = source.data() + arc.steps_at;
  const ArcChunk* chunk = &chunks[arc.first_chunk];
  int total = 0;
  for (std::size_t first = 0; first < arc.n; first += kChunkSteps, ++chunk) {
    int chunk_wn = 0;
    if (winding_from_range(*chunk, chunk->y_start, p, &chunk_wn)) {
      total += chunk_wn;
      continue;
    }
    double a = chunk->x_start - p.x;
    double b = chunk->y_start - p.y;
    const std::size_t end =
        arc.n - first < kChunkSteps ? arc.n : first + kChunkSteps;
    for (std::size_t k = first; k < end; ++k) {
      const double c = a + static_cast<std::int8_t>(steps[2 * k]);
      const double d = b + static_cast<std::int8_t>(steps[2 * k + 1]);
      const bool up = b <= 0 && d > 0;
      const bool down = b > 0 && d <= 0;
      if (up || down) {
        if (std::fabs(b) < kSureSign || std::fabs(d) < kSureSign) return false;
        const double cross = a * d - b * c;
        const double doubt =
            kSureSign * (std::fabs(a) + std::fabs(b) + std::fabs(c) +
                         std::fabs(d) + 1) +
            kSureProduct * (std::fabs(a * d) + std::fabs(b * c));
        if (std::fabs(cross) <= doubt) return false;
        if (up && cross > 0) ++total;
        if (down && cross < 0) --total;
      } else if (std::fabs(b) < kSureSign || std::fabs(d) < kSureSign) {
        return false;  // the full walk might see a crossing here
      }
      a = c;
      b = d;
    }
  }
  *wn = total;
  return true;
}

template <typename Source>
Country LocatedCountryFinder<Source>::country_of(
    const Coordinates& position) const {
  const XY p = quantise(position);
  const auto [first, last] = candidates(p);
  for (const std::uint32_t* i = first; i != last; ++i) {
    if (point_is_in_bounding_box(p, static_cast<int>(*i)) && contains(*i, p)) {
      return code_of(static_cast<int>(*i));
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
  const auto [first, last] = candidates(p);
  for (const std::uint32_t* i = first; i != last; ++i) {
    const int polygon = static_cast<int>(*i);
    if (point_is_in_bounding_box(p, polygon) &&
        countries.count(code_of(polygon)) != 0 && contains(*i, p)) {
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
