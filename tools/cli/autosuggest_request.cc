#include "cli/autosuggest_request.h"

#include <optional>
#include <set>
#include <string>

#include "tessera/autosuggest_options.h"
#include "tessera/bounding_box.h"
#include "tessera/circle.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"
#include "tessera/language.h"
#include "tessera/polygon.h"

namespace tessera {
namespace cli {
namespace {

// The settings an options object asks for, in the order they are applied.
struct AutosuggestSettings {
  struct ClipCircle {
    Degrees centre;
    double radius_km;
  };
  struct ClipBox {
    Degrees sw;
    Degrees ne;
  };

  std::optional<std::string> language;
  std::optional<bool> disable_language_detection;
  std::optional<unsigned> n_results;
  std::optional<Degrees> focus;
  std::optional<unsigned> n_focus_results;
  std::optional<ClipCircle> clip_circle;
  std::optional<ClipBox> clip_bounding_box;
  std::optional<std::vector<Degrees>> clip_polygon;
  std::optional<std::vector<std::string>> clip_countries;
  std::optional<std::string> input_type;
  std::optional<bool> prefer_land;
};

Coordinates coordinates(const Degrees& d) { return Coordinates(d.lat, d.lng); }

AutosuggestSettings read_settings(const Fields& request) {
  AutosuggestSettings settings;
  if (!request.has("options")) return settings;
  const Fields options = request.object("options");
  static const char* const kKeys[] = {
      "language",          "disable_language_detection",
      "n_results",         "focus",
      "n_focus_results",   "clip_circle",
      "clip_bounding_box", "clip_polygon",
      "clip_countries",    "input_type",
      "prefer_land",       nullptr};
  options.allow_only(kKeys);

  if (options.has("language")) settings.language = options.string("language");
  if (options.has("disable_language_detection")) {
    settings.disable_language_detection =
        options.boolean("disable_language_detection");
  }
  if (options.has("n_results")) settings.n_results = options.count("n_results");
  if (options.has("focus")) settings.focus = options.position("focus");
  if (options.has("n_focus_results")) {
    settings.n_focus_results = options.count("n_focus_results");
  }
  if (options.has("clip_circle")) {
    const Fields circle = options.object("clip_circle");
    static const char* const kCircleKeys[] = {"lat", "lng", "radius_km",
                                              nullptr};
    circle.allow_only(kCircleKeys);
    settings.clip_circle = AutosuggestSettings::ClipCircle{
        circle.lat_lng(), circle.number("radius_km")};
  }
  if (options.has("clip_bounding_box")) {
    const Fields box = options.object("clip_bounding_box");
    static const char* const kBoxKeys[] = {"sw", "ne", nullptr};
    box.allow_only(kBoxKeys);
    settings.clip_bounding_box =
        AutosuggestSettings::ClipBox{box.position("sw"), box.position("ne")};
  }
  if (options.has("clip_polygon")) {
    const rapidjson::Value& ring = options.array("clip_polygon");
    const std::string path = options.path_of("clip_polygon");
    std::vector<Degrees> points;
    points.reserve(ring.Size());
    for (rapidjson::SizeType i = 0; i < ring.Size(); ++i) {
      points.push_back(
          position_value(ring[i], path + "[" + std::to_string(i) + "]"));
    }
    settings.clip_polygon = std::move(points);
  }
  if (options.has("clip_countries")) {
    const rapidjson::Value& list = options.array("clip_countries");
    const std::string path = options.path_of("clip_countries");
    std::vector<std::string> codes;
    codes.reserve(list.Size());
    for (rapidjson::SizeType i = 0; i < list.Size(); ++i) {
      codes.push_back(
          string_value(list[i], path + "[" + std::to_string(i) + "]"));
    }
    settings.clip_countries = std::move(codes);
  }
  if (options.has("input_type")) {
    settings.input_type = options.string("input_type");
  }
  if (options.has("prefer_land")) {
    settings.prefer_land = options.boolean("prefer_land");
  }
  return settings;
}

}  // namespace

std::vector<AutosuggestOption> autosuggest_options(const Fields& request) {
  const AutosuggestSettings settings = read_settings(request);
  std::vector<AutosuggestOption> options;
  if (settings.language) {
    options.push_back(language(Language(*settings.language)));
  }
  if (settings.disable_language_detection.value_or(false)) {
    options.push_back(disable_language_detection());
  }
  if (settings.n_results) options.push_back(n_results(*settings.n_results));
  if (settings.focus) options.push_back(focus(coordinates(*settings.focus)));
  if (settings.n_focus_results) {
    options.push_back(n_focus_results(*settings.n_focus_results));
  }
  if (settings.clip_circle) {
    options.push_back(
        clip_to_circle(Circle(coordinates(settings.clip_circle->centre),
                              settings.clip_circle->radius_km)));
  }
  if (settings.clip_bounding_box) {
    options.push_back(clip_to_bounding_box(
        BoundingBox(coordinates(settings.clip_bounding_box->sw),
                    coordinates(settings.clip_bounding_box->ne))));
  }
  if (settings.clip_polygon) {
    std::vector<Coordinates> ring;
    ring.reserve(settings.clip_polygon->size());
    for (const Degrees& p : *settings.clip_polygon) {
      ring.push_back(coordinates(p));
    }
    options.push_back(clip_to_polygon(Polygon(ring)));
  }
  if (settings.clip_countries) {
    std::set<Country> countries;
    for (const std::string& code : *settings.clip_countries) {
      countries.insert(Country(code));
    }
    options.push_back(clip_to_countries(countries));
  }
  if (settings.input_type) options.push_back(input_type(*settings.input_type));
  if (settings.prefer_land) {
    options.push_back(prefer_land(*settings.prefer_land));
  }
  return options;
}

}  // namespace cli
}  // namespace tessera
