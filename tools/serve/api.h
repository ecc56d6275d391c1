// The endpoints of the HTTP API: each turns a request's query parameters
// into an answer, through the engine's public interface.
//
// Every JSON answer is an object carrying "data_version". Failures are
// answered as
//
//   {"error": {"type": TYPE, "message": TEXT}, "data_version": ...}
//
// with status 400 for a request at fault: TYPE "BadRequest" for a missing,
// unknown, repeated or malformed parameter, or the engine's
// "InvalidArgumentError" / "LanguageNotAvalableError" for a value it
// refuses; 404 with "NoResult" when a well-formed query has no answer (an
// excluded square, text that is no address); and 500 for any other failure
// of the engine ("Error", "FileError", "bad_optional_access") or of the
// server ("out_of_range", "exception").
#ifndef TESSERA_TOOLS_SERVE_API_H_
#define TESSERA_TOOLS_SERVE_API_H_

#include <exception>
#include <string>

#include "serve/query.h"
#include "tessera/engine.h"

namespace tessera {
namespace serve {

inline constexpr char kJson[] = "application/json";
inline constexpr char kGeoJson[] = "application/geo+json";

struct Answer {
  int status = 200;
  std::string body;
  const char* content_type = kJson;
};

// Thread-safe: every call only reads the engine, which must outlive this.
class Api {
 public:
  explicit Api(const Engine& engine);

  const std::string& data_version() const { return data_version_; }

  // /v1/convert-to-3wa?coordinates=LAT,LNG[&language=CODE]  (language "en")
  // /v1/convert-to-coordinates?words=A.B.C
  //   {"words", "language", "country", "nearest_place" (or null),
  //    "square": {"southwest", "northeast"}, "coordinates": centre}
  Answer convert_to_3wa(const Params& params) const;
  Answer convert_to_coordinates(const Params& params) const;

  // /v1/autosuggest?input=TEXT and the options: focus=LAT,LNG,
  // n-results=N, n-focus-results=N, clip-to-circle=LAT,LNG,KM,
  // clip-to-bounding-box=SWLAT,SWLNG,NELAT,NELNG,
  // clip-to-polygon=LAT,LNG,..., clip-to-country=CODE,...,
  // input-type=NAME, language=CODE, prefer-land=true|false,
  // language-detection=true|false
  //   {"suggestions": [{"words", "language", "country", "nearest_place",
  //                     "distance_to_focus_km"}]}  (null where absent)
  Answer autosuggest(const Params& params) const;

  // /v1/grid-section?bounding-box=SWLAT,SWLNG,NELAT,NELNG[&format=json]
  //   {"lines": [{"start": position, "end": position}]}
  // format=geojson: a GeoJSON Feature whose geometry is a MultiLineString
  // of [lng, lat] pairs and whose properties hold "data_version".
  Answer grid_section(const Params& params) const;

  // /v1/available-languages  {"languages": [codes, sorted]}
  Answer available_languages(const Params& params) const;

  // /healthz  {"status": "ok", "engine_version"}
  Answer healthz(const Params& params) const;

  // The answer to the exception `error` (which must not be null), as the
  // header describes. Throws nothing but std::bad_alloc.
  Answer failure(const std::exception_ptr& error) const;
  // An error answer with the given status, type and message.
  Answer failure(int status, const std::string& type,
                 const std::string& message) const;

 private:
  // The fields common to both conversions, for the square of `centre`.
  Answer square_answer(const std::string& words, const std::string& language,
                       const Coordinates& centre) const;

  const Engine& engine_;
  const std::string data_version_;
  const std::string engine_version_;
};

}  // namespace serve
}  // namespace tessera

#endif  // TESSERA_TOOLS_SERVE_API_H_
