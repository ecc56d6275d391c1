#include "answer_sheet.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "tessera/engine.h"
#include "tessera/optional.h"

namespace tessera {
namespace bench {
namespace {

std::string exact(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%a", value);
  return text;
}

std::string text_or_dash(const Optional<std::string>& text) {
  return text.has_value() ? *text : "-";
}

std::string answers_at(const Engine& engine,
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

}  // namespace

int write_answer_sheet(const std::string& path, const std::string& data_dir,
                       const std::vector<Language>& languages,
                       const std::vector<Coordinates>& positions) {
  std::ofstream out(path);
  if (!out) throw std::runtime_error("cannot write " + path);
  const std::unique_ptr<Engine> server = new_server_engine(data_dir);
  const std::unique_ptr<Engine> device = new_device_engine(data_dir);
  int differences = 0;
  for (const Coordinates& p : positions) {
    const std::string line = answers_at(*server, languages, p);
    out << line << '\n';
    const std::string device_line = answers_at(*device, languages, p);
    if (device_line != line) {
      out << "DEVICE DIFFERS " << device_line << '\n';
      ++differences;
    }
  }
  out.flush();
  if (!out) throw std::runtime_error("cannot write " + path);
  return differences;
}

}  // namespace bench
}  // namespace tessera
