// Layout of the country outlines file, "countries/countries.data", shared by
// its reader and the data builder's writer.
//
//   offset 0              u32   length of the file (the framing of every
//                               data file)
//   offset 4              f64   x step: degrees of longitude per x unit
//   offset 12             f64   y step: degrees of latitude per y unit
//   offset 20             f64   x origin: longitude of x = 0
//   offset 28             f64   y origin: latitude of y = 0
//   offset 36             u32   N, number of polygons
//   offset 40             u32   M, number of arcs
//   offset 44             u32   R, number of disputed-area lines
//   48 + 2i               2 chars  country code of polygon i
//   48 + 2N + 8i          4 x u16  bounding box of polygon i: x min, y min,
//                                  x max, y max (inclusive)
//   48 + 10N + 4i         u32   position of polygon i's record
//   48 + 14N + 4a         u32   position of arc a's record
//   48 + 14N + 4M + 4k    u32   position of disputed-area line k
//
// Polygon record: u16 n, then n x i16 arc references in order round the
// polygon; r >= 0 walks arc r forwards, r < 0 walks arc ~r backwards.
// Arc record: u16 n steps, u16 x0, u16 y0, then n x (i8 dx, i8 dy).
// Disputed-area line: two-letter codes run together, ended by a line feed;
// the first names the area, the others the countries whose clipping
// includes it.
//
// All integers are little-endian and all positions absolute.
#ifndef TESSERA_FIND_COUNTRY_COUNTRIES_FORMAT_H_
#define TESSERA_FIND_COUNTRY_COUNTRIES_FORMAT_H_

#include <cstdint>

namespace tessera {
namespace find_country {

inline constexpr char kCountriesFileName[] = "countries/countries.data";

constexpr std::int64_t kXStepOffset = 4;
constexpr std::int64_t kYStepOffset = 12;
constexpr std::int64_t kXOriginOffset = 20;
constexpr std::int64_t kYOriginOffset = 28;
constexpr std::int64_t kPolygonCountOffset = 36;
constexpr std::int64_t kArcCountOffset = 40;
constexpr std::int64_t kRelationCountOffset = 44;
constexpr std::int64_t kHeaderSize = 48;

// Bytes per polygon in the fixed tables: code, box and table entry.
constexpr std::int64_t kCodeSize = 2;
constexpr std::int64_t kBoxSize = 8;
constexpr std::int64_t kPositionSize = 4;
constexpr std::int64_t kPerPolygonSize = kCodeSize + kBoxSize + kPositionSize;

constexpr char kLineEnd = '\n';

constexpr std::int64_t codes_position() noexcept { return kHeaderSize; }
constexpr std::int64_t boxes_position(std::int64_t n) noexcept {
  return kHeaderSize + kCodeSize * n;
}
constexpr std::int64_t polygon_table_position(std::int64_t n) noexcept {
  return kHeaderSize + (kCodeSize + kBoxSize) * n;
}
constexpr std::int64_t arc_table_position(std::int64_t n) noexcept {
  return kHeaderSize + kPerPolygonSize * n;
}
constexpr std::int64_t line_table_position(std::int64_t n,
                                           std::int64_t m) noexcept {
  return arc_table_position(n) + kPositionSize * m;
}

}  // namespace find_country
}  // namespace tessera

#endif  // TESSERA_FIND_COUNTRY_COUNTRIES_FORMAT_H_
