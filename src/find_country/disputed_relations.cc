#include "find_country/disputed_relations.h"

#include <set>
#include <string>
#include <vector>

#include "data/file_values.h"
#include "data/integrity.h"
#include "find_country/countries_format.h"

namespace tessera {
namespace find_country {
namespace {

// The two-character codes of `text`, checked as every list of codes in the
// country file is: an even length and at least two codes.
std::vector<Country> split_codes(const std::string& text) {
  if (text.size() % 2 != 0) {
    data::integrity_failure(
        "countries.data contains country codes with odd digits");
  }
  if (text.size() < 4) {
    data::integrity_failure(
        "countries.data contains invalid countries relations");
  }
  std::vector<Country> codes;
  codes.reserve(text.size() / 2);
  for (std::size_t i = 0; i < text.size(); i += 2) {
    codes.push_back(
        data::country_in_file(text.substr(i, 2), kCountriesFileName));
  }
  return codes;
}

}  // namespace

std::map<Country, std::vector<Country>> reformat_disputed_relations(
    const std::vector<std::string>& lines) {
  std::map<Country, std::vector<Country>> disputed;
  for (const std::string& line : lines) {
    const std::vector<Country> codes = split_codes(line);
    for (std::size_t i = 1; i < codes.size(); ++i) {
      disputed[codes[i]].push_back(codes[0]);
    }
  }
  return disputed;
}

void validate_disputed_areas(
    const std::map<Country, std::vector<Country>>& disputed,
    const std::vector<char>& codes) {
  if (codes.empty()) {
    data::integrity_failure("countries.data doesn't contain any countries");
  }
  const std::vector<Country> list =
      split_codes(std::string(codes.begin(), codes.end()));
  const std::set<Country> known(list.begin(), list.end());
  const auto require = [&known](const Country& country) {
    if (known.count(country) == 0) {
      data::integrity_failure(
          "countries.data reference unavailable country code - \"" +
          country.code + "\".");
    }
  };
  for (const auto& entry : disputed) {
    require(entry.first);
    for (const Country& area : entry.second) require(area);
  }
}

}  // namespace find_country
}  // namespace tessera
