#include "testing/answer_line.h"

#include <cstdio>

#include "tessera/optional.h"

namespace tessera {
namespace test {
namespace {

std::string exact(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%a", value);
  return text;
}

std::string text_or_dash(const Optional<std::string>& text) {
  return text.has_value() ? *text : "-";
}

}  // namespace

std::string answer_line(const Engine& engine,
                        const std::vector<Language>& languages,
                        const Coordinates& p) {
  std::string line = exact(p.lat) + " " + exact(p.lng);
  for (const Language& language : languages) {
    const Optional<std::string> address = engine.convert_to_3wa(p, language);
    line += "|" + text_or_dash(address);
    if (!address.has_value()) continue;
    const Optional<Coordinates> back = engine.convert_to_coordinates(*address);
    line += back.has_value() ? " " + exact(back->lat) + " " + exact(back->lng)
                             : std::string(" -");
  }
  for (const Language& language : languages) {
    line += "|" + text_or_dash(engine.nearest_place(p, language));
  }
  return line + "|" + engine.country_code(p);
}

}  // namespace test
}  // namespace tessera
