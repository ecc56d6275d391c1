#include "serve/api.h"

#include <cstdint>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "serve/json_out.h"
#include "tessera/autosuggest_options.h"
#include "tessera/bounding_box.h"
#include "tessera/circle.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"
#include "tessera/error.h"
#include "tessera/grid_line.h"
#include "tessera/language.h"
#include "tessera/polygon.h"
#include "tessera/suggestion.h"

namespace tessera {
namespace serve {
namespace {

// A well-formed query without an answer.
class NoResult : public std::runtime_error {
 public:
  explicit NoResult(const std::string& message) : std::runtime_error(message) {}
};

Coordinates coordinates(const LatLng& p) { return Coordinates(p.lat, p.lng); }

std::string position_text(const LatLng& p) {
  JsonOut out;
  out.begin_array();
  out.number(p.lat);
  out.number(p.lng);
  out.end_array();
  const std::string list = out.str();
  return list.substr(1, list.size() - 2);
}

// Ends an answer object: the data version, then the closing brace.
std::string finish(JsonOut& out, const std::string& data_version) {
  out.key("data_version");
  out.text(data_version);
  out.end_object();
  return out.str();
}

}  // namespace

Api::Api(const Engine& engine)
    : engine_(engine),
      data_version_(engine.data_version()),
      engine_version_(engine.version()) {}

Answer Api::convert_to_3wa(const Params& params) const {
  const Query query(params, {"coordinates", "language"});
  const LatLng at = query.lat_lng("coordinates");
  const std::string language = query.text_or("language", "en");
  const Optional<std::string> words =
      engine_.convert_to_3wa(coordinates(at), language);
  if (!words) {
    throw NoResult("The square at " + position_text(at) +
                   " has no three-word address.");
  }
  const Optional<Coordinates> centre = engine_.convert_to_coordinates(*words);
  if (!centre) {
    throw Error("The engine does not read back its own address \"" + *words +
                "\".");
  }
  // Numbers beyond a small wordlist are English words.
  return square_answer(*words, engine_.language_code(*words).value_or(language),
                       *centre);
}

Answer Api::convert_to_coordinates(const Params& params) const {
  const Query query(params, {"words"});
  const std::string& text = query.text("words");
  const Optional<Coordinates> centre = engine_.convert_to_coordinates(text);
  if (!centre) {
    throw NoResult("\"" + text + "\" is not a three-word address.");
  }
  // The address as the engine writes it, whatever case or form it came in.
  const std::string language = engine_.language_code(text).value_or("en");
  const std::string words =
      engine_.convert_to_3wa(*centre, language).value_or(text);
  return square_answer(words, engine_.language_code(words).value_or(language),
                       *centre);
}

Answer Api::square_answer(const std::string& words, const std::string& language,
                          const Coordinates& centre) const {
  const BoundingBox square = engine_.grid_square(centre);
  const std::string country = engine_.country_code(centre);
  const Optional<std::string> place = engine_.nearest_place(centre, language);
  JsonOut out;
  out.begin_object();
  out.key("words");
  out.text(words);
  out.key("language");
  out.text(language);
  out.key("country");
  out.text(country);
  out.key("nearest_place");
  out.optional_text(place);
  out.key("square");
  out.square(square);
  out.key("coordinates");
  out.position(centre);
  return {200, finish(out, data_version_), kJson};
}

Answer Api::autosuggest(const Params& params) const {
  const Query query(params, {"input", "focus", "n-results", "n-focus-results",
                             "clip-to-circle", "clip-to-bounding-box",
                             "clip-to-polygon", "clip-to-country", "input-type",
                             "language", "prefer-land", "language-detection"});
  std::string input = query.text("input");
  // Every parameter's shape is checked before any value is built, so that a
  // malformed parameter is a BadRequest whatever the others hold. The
  // options reach the engine in this fixed order.
  const bool has_language = query.has("language");
  const bool detect = query.has("language-detection")
                          ? query.truth("language-detection")
                          : true;
  const bool has_n = query.has("n-results");
  const std::uint32_t n = has_n ? query.whole_number("n-results") : 0;
  const bool has_focus = query.has("focus");
  const LatLng focus_at = has_focus ? query.lat_lng("focus") : LatLng{0, 0};
  const bool has_nf = query.has("n-focus-results");
  const std::uint32_t nf = has_nf ? query.whole_number("n-focus-results") : 0;
  const bool has_circle = query.has("clip-to-circle");
  const std::vector<double> circle =
      has_circle ? query.numbers("clip-to-circle", 3, "LAT,LNG,KM")
                 : std::vector<double>();
  const bool has_box = query.has("clip-to-bounding-box");
  const std::vector<double> box =
      has_box
          ? query.numbers("clip-to-bounding-box", 4, "SWLAT,SWLNG,NELAT,NELNG")
          : std::vector<double>();
  const bool has_polygon = query.has("clip-to-polygon");
  const std::vector<LatLng> ring = has_polygon
                                       ? query.lat_lng_list("clip-to-polygon")
                                       : std::vector<LatLng>();
  const bool has_countries = query.has("clip-to-country");
  const std::vector<std::string> codes = has_countries
                                             ? query.list("clip-to-country")
                                             : std::vector<std::string>();
  const bool has_prefer_land = query.has("prefer-land");
  const bool prefer = has_prefer_land ? query.truth("prefer-land") : true;

  std::vector<AutosuggestOption> options;
  if (has_language)
    options.push_back(language(Language(query.text("language"))));
  if (!detect) options.push_back(disable_language_detection());
  if (has_n) options.push_back(n_results(n));
  if (has_focus) options.push_back(focus(coordinates(focus_at)));
  if (has_nf) options.push_back(n_focus_results(nf));
  if (has_circle) {
    options.push_back(
        clip_to_circle(Circle(Coordinates(circle[0], circle[1]), circle[2])));
  }
  if (has_box) {
    options.push_back(clip_to_bounding_box(
        BoundingBox(Coordinates(box[0], box[1]), Coordinates(box[2], box[3]))));
  }
  if (has_polygon) {
    std::vector<Coordinates> points;
    points.reserve(ring.size());
    for (const LatLng& p : ring) points.push_back(coordinates(p));
    options.push_back(clip_to_polygon(Polygon(points)));
  }
  if (has_countries) {
    std::set<Country> countries;
    for (const std::string& code : codes) countries.insert(Country(code));
    options.push_back(clip_to_countries(countries));
  }
  if (query.has("input-type")) {
    options.push_back(input_type(query.text("input-type")));
  }
  if (has_prefer_land) options.push_back(prefer_land(prefer));

  const std::vector<Suggestion> suggestions =
      engine_.autosuggest(std::move(input), std::move(options));
  JsonOut out;
  out.begin_object();
  out.key("suggestions");
  out.begin_array();
  for (const Suggestion& s : suggestions) {
    out.begin_object();
    out.key("words");
    out.text(s.words);
    out.key("language");
    out.text(s.language);
    out.key("country");
    out.text(s.country);
    out.key("nearest_place");
    out.optional_text(s.nearest_place);
    out.key("distance_to_focus_km");
    if (s.distance_to_focus_km.has_value()) {
      out.number(*s.distance_to_focus_km);
    } else {
      out.null();
    }
    out.end_object();
  }
  out.end_array();
  return {200, finish(out, data_version_), kJson};
}

Answer Api::grid_section(const Params& params) const {
  const Query query(params, {"bounding-box", "format"});
  const std::vector<double> b =
      query.numbers("bounding-box", 4, "SWLAT,SWLNG,NELAT,NELNG");
  const std::string format = query.text_or("format", "json");
  if (format != "json" && format != "geojson") {
    throw BadRequest("format must be json or geojson, not \"" + format + "\".");
  }
  const std::vector<GridLine> lines = engine_.grid_section(
      BoundingBox(Coordinates(b[0], b[1]), Coordinates(b[2], b[3])));
  JsonOut out;
  out.begin_object();
  if (format == "json") {
    out.key("lines");
    out.begin_array();
    for (const GridLine& line : lines) {
      out.begin_object();
      out.key("start");
      out.position(line.start_point);
      out.key("end");
      out.position(line.end_point);
      out.end_object();
    }
    out.end_array();
    return {200, finish(out, data_version_), kJson};
  }
  out.key("type");
  out.text("Feature");
  out.key("geometry");
  out.begin_object();
  out.key("type");
  out.text("MultiLineString");
  out.key("coordinates");
  out.begin_array();
  for (const GridLine& line : lines) {
    out.begin_array();
    out.lng_lat(line.start_point);
    out.lng_lat(line.end_point);
    out.end_array();
  }
  out.end_array();
  out.end_object();
  out.key("properties");
  out.begin_object();
  out.key("data_version");
  out.text(data_version_);
  out.end_object();
  out.end_object();
  return {200, out.str(), kGeoJson};
}

Answer Api::available_languages(const Params& params) const {
  const Query query(params, {});
  JsonOut out;
  out.begin_object();
  out.key("languages");
  out.begin_array();
  for (const std::string& code : engine_.available_languages()) out.text(code);
  out.end_array();
  return {200, finish(out, data_version_), kJson};
}

Answer Api::healthz(const Params& params) const {
  const Query query(params, {});
  JsonOut out;
  out.begin_object();
  out.key("status");
  out.text("ok");
  out.key("engine_version");
  out.text(engine_version_);
  return {200, finish(out, data_version_), kJson};
}

Answer Api::failure(const std::exception_ptr& error) const {
  try {
    std::rethrow_exception(error);
  } catch (const BadRequest& e) {
    return failure(400, "BadRequest", e.what());
  } catch (const NoResult& e) {
    return failure(404, "NoResult", e.what());
  } catch (const LanguageNotAvalableError& e) {
    return failure(400, "LanguageNotAvalableError", e.what());
  } catch (const InvalidArgumentError& e) {
    return failure(400, "InvalidArgumentError", e.what());
  } catch (const FileError& e) {
    return failure(500, "FileError", e.what());
  } catch (const bad_optional_access& e) {
    return failure(500, "bad_optional_access", e.what());
  } catch (const Error& e) {
    return failure(500, "Error", e.what());
  } catch (const std::out_of_range& e) {
    return failure(500, "out_of_range", e.what());
  } catch (const std::exception& e) {
    return failure(500, "exception", e.what());
  } catch (...) {
    return failure(500, "exception", "unknown exception");
  }
}

Answer Api::failure(int status, const std::string& type,
                    const std::string& message) const {
  JsonOut out;
  out.begin_object();
  out.key("error");
  out.begin_object();
  out.key("type");
  out.text(type);
  out.key("message");
  out.text(message);
  out.end_object();
  return {status, finish(out, data_version_), kJson};
}

}  // namespace serve
}  // namespace tessera
