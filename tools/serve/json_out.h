// JSON answers of the API under construction, written through RapidJSON.
//
// Strings pass byte for byte (the engine's texts are UTF-8); numbers are
// written in the shortest form that reads back as the same double.
#ifndef TESSERA_TOOLS_SERVE_JSON_OUT_H_
#define TESSERA_TOOLS_SERVE_JSON_OUT_H_

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <string>

#include "tessera/bounding_box.h"
#include "tessera/coordinates.h"
#include "tessera/optional.h"

namespace tessera {
namespace serve {

// One JSON text. Not thread-safe; each request writes its own.
class JsonOut {
 public:
  JsonOut() : writer_(buffer_) {}

  void begin_object() { writer_.StartObject(); }
  void end_object() { writer_.EndObject(); }
  void begin_array() { writer_.StartArray(); }
  void end_array() { writer_.EndArray(); }
  void key(const char* name);
  void text(const std::string& s);
  void optional_text(const Optional<std::string>& s);  // text or null
  // A finite double; a non-finite one is written as null.
  void number(double d);
  void null() { writer_.Null(); }
  void position(const Coordinates& p);  // {"lat": ..., "lng": ...}
  void lng_lat(const Coordinates& p);   // [lng, lat], as GeoJSON orders it
  void square(const BoundingBox& box);  // {"southwest": ..., "northeast": ...}

  std::string str() const {
    return std::string(buffer_.GetString(), buffer_.GetSize());
  }

 private:
  rapidjson::StringBuffer buffer_;
  // No encoding validation: bytes pass unchanged.
  rapidjson::Writer<rapidjson::StringBuffer> writer_;
};

}  // namespace serve
}  // namespace tessera

#endif  // TESSERA_TOOLS_SERVE_JSON_OUT_H_
