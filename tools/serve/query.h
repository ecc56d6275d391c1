// The query parameters of an API request, read into the engine's value
// types.
//
// Every reader throws BadRequest, naming the parameter, when the text has
// the wrong shape ("coordinates must be LAT,LNG"), a number is not finite,
// or the parameter is given more than once. Values of the right shape that
// the engine refuses (latitude 91) throw the engine's own errors when the
// value types are built, not here.
#ifndef TESSERA_TOOLS_SERVE_QUERY_H_
#define TESSERA_TOOLS_SERVE_QUERY_H_

#include <cstdint>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessera {
namespace serve {

// The request is at fault: a missing, unknown, repeated or malformed
// parameter. Answered with status 400 and the type "BadRequest".
class BadRequest : public std::runtime_error {
 public:
  explicit BadRequest(const std::string& message)
      : std::runtime_error(message) {}
};

// The decoded parameters, as the HTTP library hands them over.
using Params = std::multimap<std::string, std::string>;

struct LatLng {
  double lat;
  double lng;
};

class Query {
 public:
  // Throws BadRequest for a parameter not in `known`, or one given twice.
  // `params` must outlive this.
  Query(const Params& params, std::initializer_list<const char*> known);

  bool has(const char* name) const;
  // The raw text; throws BadRequest when missing.
  const std::string& text(const char* name) const;
  // The text, or `fallback` when missing.
  std::string text_or(const char* name, const std::string& fallback) const;

  // "LAT,LNG".
  LatLng lat_lng(const char* name) const;
  // Exactly `count` numbers separated by commas; `shape` names them for the
  // message ("SWLAT,SWLNG,NELAT,NELNG").
  std::vector<double> numbers(const char* name, std::size_t count,
                              const char* shape) const;
  // An even, non-zero count of numbers: "LAT,LNG,LAT,LNG,...".
  std::vector<LatLng> lat_lng_list(const char* name) const;
  // A whole number from 0 to 4294967295.
  std::uint32_t whole_number(const char* name) const;
  // "true" or "false".
  bool truth(const char* name) const;
  // Non-empty items separated by commas.
  std::vector<std::string> list(const char* name) const;

 private:
  const Params& params_;
};

}  // namespace serve
}  // namespace tessera

#endif  // TESSERA_TOOLS_SERVE_QUERY_H_
