#include "serve/json_out.h"

#include <cmath>
#include <cstring>

namespace tessera {
namespace serve {

void JsonOut::key(const char* name) {
  writer_.Key(name, static_cast<rapidjson::SizeType>(std::strlen(name)));
}

void JsonOut::text(const std::string& s) {
  writer_.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
}

void JsonOut::optional_text(const Optional<std::string>& s) {
  if (s.has_value()) {
    text(*s);
  } else {
    null();
  }
}

void JsonOut::number(double d) {
  if (std::isfinite(d)) {
    writer_.Double(d);
  } else {
    writer_.Null();
  }
}

void JsonOut::position(const Coordinates& p) {
  begin_object();
  key("lat");
  number(p.lat);
  key("lng");
  number(p.lng);
  end_object();
}

void JsonOut::lng_lat(const Coordinates& p) {
  begin_array();
  number(p.lng);
  number(p.lat);
  end_array();
}

void JsonOut::square(const BoundingBox& box) {
  begin_object();
  key("southwest");
  position(box.sw);
  key("northeast");
  position(box.ne);
  end_object();
}

}  // namespace serve
}  // namespace tessera
