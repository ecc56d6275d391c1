#include "serve/query.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>
#include <system_error>

namespace tessera {
namespace serve {
namespace {

std::vector<std::string_view> split_at_commas(std::string_view text) {
  std::vector<std::string_view> items;
  for (;;) {
    const std::size_t comma = text.find(',');
    items.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return items;
    text.remove_prefix(comma + 1);
  }
}

// A finite decimal number filling all of `text`. Infinities and NaN are
// refused: a NaN latitude would pass the engine's range check.
bool finite_number(std::string_view text, double& value) {
  if (!text.empty() && text[0] == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) return false;
  }
  if (text.empty()) return false;
  const char* const last = text.data() + text.size();
  double parsed = 0.0;
  const std::from_chars_result result =
      std::from_chars(text.data(), last, parsed, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != last) return false;
  if (!std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

}  // namespace

Query::Query(const Params& params, std::initializer_list<const char*> known)
    : params_(params) {
  for (auto it = params.begin(); it != params.end();
       it = params.upper_bound(it->first)) {
    bool is_known = false;
    for (const char* name : known) {
      if (it->first == name) is_known = true;
    }
    if (!is_known) {
      std::string names;
      for (const char* name : known) {
        names += names.empty() ? "" : ", ";
        names += name;
      }
      throw BadRequest("Unknown parameter \"" + it->first + "\"; this " +
                       "endpoint takes " + (names.empty() ? "none" : names) +
                       ".");
    }
    if (params.count(it->first) > 1) {
      throw BadRequest("Parameter \"" + it->first + "\" is given twice.");
    }
  }
}

bool Query::has(const char* name) const { return params_.count(name) > 0; }

const std::string& Query::text(const char* name) const {
  const auto it = params_.find(name);
  if (it == params_.end()) {
    throw BadRequest("Missing parameter \"" + std::string(name) + "\".");
  }
  return it->second;
}

std::string Query::text_or(const char* name,
                           const std::string& fallback) const {
  return has(name) ? text(name) : fallback;
}

std::vector<double> Query::numbers(const char* name, std::size_t count,
                                   const char* shape) const {
  const std::string& value = text(name);
  const std::vector<std::string_view> items = split_at_commas(value);
  if (items.size() != count) {
    throw BadRequest(std::string(name) + " must be " + shape + ", not \"" +
                     value + "\".");
  }
  std::vector<double> result(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!finite_number(items[i], result[i])) {
      throw BadRequest(std::string(name) + ": \"" + std::string(items[i]) +
                       "\" is not a finite number.");
    }
  }
  return result;
}

LatLng Query::lat_lng(const char* name) const {
  const std::vector<double> n = numbers(name, 2, "LAT,LNG");
  return {n[0], n[1]};
}

std::vector<LatLng> Query::lat_lng_list(const char* name) const {
  const std::string& value = text(name);
  const std::size_t count = split_at_commas(value).size();
  if (count % 2 != 0) {
    throw BadRequest(std::string(name) +
                     " must be LAT,LNG,LAT,LNG,..., not \"" + value + "\".");
  }
  const std::vector<double> n = numbers(name, count, "LAT,LNG,LAT,LNG,...");
  std::vector<LatLng> points;
  for (std::size_t i = 0; i < n.size(); i += 2)
    points.push_back({n[i], n[i + 1]});
  return points;
}

std::uint32_t Query::whole_number(const char* name) const {
  const std::string& value = text(name);
  std::uint32_t n = 0;
  const char* const last = value.data() + value.size();
  const auto result = std::from_chars(value.data(), last, n);
  if (value.empty() || result.ec != std::errc() || result.ptr != last) {
    throw BadRequest(std::string(name) +
                     " must be a whole number from 0 to 4294967295, not \"" +
                     value + "\".");
  }
  return n;
}

bool Query::truth(const char* name) const {
  const std::string& value = text(name);
  if (value == "true") return true;
  if (value == "false") return false;
  throw BadRequest(std::string(name) + " must be true or false, not \"" +
                   value + "\".");
}

std::vector<std::string> Query::list(const char* name) const {
  const std::string& value = text(name);
  std::vector<std::string> items;
  for (const std::string_view item : split_at_commas(value)) {
    if (item.empty()) {
      throw BadRequest(std::string(name) +
                       " must be items separated by commas, not \"" + value +
                       "\".");
    }
    items.emplace_back(item);
  }
  return items;
}

}  // namespace serve
}  // namespace tessera
