#include "testing/settings_text.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tessera {
namespace test {
namespace {

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string position(const Coordinates& p) {
  return number(p.lat) + "," + number(p.lng);
}

}  // namespace

std::string settings_text(const engine::AutosuggestSettings& settings) {
  std::vector<std::string> fields;
  if (settings.language)
    fields.push_back("language=" + settings.language->code);
  if (settings.disable_language_detection) fields.push_back("no_detection");
  if (settings.n_results != 3) {
    fields.push_back("n_results=" + std::to_string(settings.n_results));
  }
  if (settings.focus) fields.push_back("focus=" + position(*settings.focus));
  if (settings.n_focus_results) {
    fields.push_back("n_focus_results=" +
                     std::to_string(*settings.n_focus_results));
  }
  if (settings.clip_circle) {
    fields.push_back("circle=" + position(settings.clip_circle->centre) + "," +
                     number(settings.clip_circle->radius));
  }
  if (settings.clip_bounding_box) {
    fields.push_back("box=" + position(settings.clip_bounding_box->sw) + "," +
                     position(settings.clip_bounding_box->ne));
  }
  if (settings.clip_polygon) {
    std::string ring;
    for (const Coordinates& p : settings.clip_polygon->points) {
      if (!ring.empty()) ring += ';';
      ring += position(p);
    }
    fields.push_back("polygon=" + ring);
  }
  if (settings.clip_countries) {
    std::string codes;
    for (const Country& country : *settings.clip_countries) {
      if (!codes.empty()) codes += ',';
      codes += country.code;
    }
    fields.push_back("countries=" + codes);
  }
  if (settings.input_type != "text") {
    fields.push_back("input_type=" + settings.input_type);
  }
  if (settings.prefer_land) {
    fields.push_back(std::string("prefer_land=") +
                     (*settings.prefer_land ? "true" : "false"));
  }
  std::string text;
  for (const std::string& field : fields) {
    if (!text.empty()) text += ' ';
    text += field;
  }
  return text;
}

}  // namespace test
}  // namespace tessera
