#include "cli/json_writer.h"

#include <cstring>

#include "cli/number_text.h"

namespace tessera {
namespace cli {

JsonWriter::JsonWriter() : writer_(buffer_) {}

void JsonWriter::begin_result() {
  buffer_.Clear();
  writer_.Reset(buffer_);
  writer_.StartObject();
  key("result");
}

void JsonWriter::error(const std::string& type, const std::string& message) {
  buffer_.Clear();
  writer_.Reset(buffer_);
  writer_.StartObject();
  key("error");
  writer_.StartObject();
  key("type");
  text(type);
  key("message");
  text(message);
  writer_.EndObject();
  writer_.EndObject();
}

std::string JsonWriter::line() {
  if (!writer_.IsComplete()) writer_.EndObject();
  return std::string(buffer_.GetString(), buffer_.GetSize());
}

void JsonWriter::null() { writer_.Null(); }

void JsonWriter::boolean(bool b) { writer_.Bool(b); }

void JsonWriter::number(double d) {
  const std::string text = json_number_text(d);
  writer_.RawValue(text.data(), text.size(), rapidjson::kNumberType);
}

void JsonWriter::integer(long long i) { writer_.Int64(i); }

void JsonWriter::text(const std::string& s) {
  writer_.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
}

void JsonWriter::optional_text(const Optional<std::string>& s) {
  if (s.has_value()) {
    text(*s);
  } else {
    null();
  }
}

void JsonWriter::position(const Coordinates& p) {
  writer_.StartObject();
  key("lat");
  number(p.lat);
  key("lng");
  number(p.lng);
  writer_.EndObject();
}

void JsonWriter::optional_position(const Optional<Coordinates>& p) {
  if (p.has_value()) {
    position(*p);
  } else {
    null();
  }
}

void JsonWriter::square(const BoundingBox& box) {
  writer_.StartObject();
  key("sw");
  position(box.sw);
  key("ne");
  position(box.ne);
  writer_.EndObject();
}

void JsonWriter::grid_lines(const std::vector<GridLine>& lines) {
  writer_.StartArray();
  for (const GridLine& line : lines) {
    writer_.StartObject();
    key("start");
    position(line.start_point);
    key("end");
    position(line.end_point);
    writer_.EndObject();
  }
  writer_.EndArray();
}

void JsonWriter::error_descriptor(const ErrorDescriptor& d) {
  writer_.StartObject();
  key("code");
  integer(d.code);
  key("message");
  text(d.message);
  writer_.EndObject();
}

void JsonWriter::codes(const std::set<std::string>& codes) {
  writer_.StartArray();
  for (const std::string& code : codes) text(code);
  writer_.EndArray();
}

void JsonWriter::suggestions(const std::vector<Suggestion>& suggestions) {
  writer_.StartArray();
  for (const Suggestion& s : suggestions) {
    writer_.StartObject();
    key("words");
    text(s.words);
    key("language");
    text(s.language);
    key("distance_to_focus_km");
    if (s.distance_to_focus_km.has_value()) {
      number(*s.distance_to_focus_km);
    } else {
      null();
    }
    key("country");
    text(s.country);
    key("nearest_place");
    optional_text(s.nearest_place);
    writer_.EndObject();
  }
  writer_.EndArray();
}

void JsonWriter::key(const char* name) {
  writer_.Key(name, static_cast<rapidjson::SizeType>(std::strlen(name)));
}

}  // namespace cli
}  // namespace tessera
