#include "tools/fake_engine.h"

#include <cstdint>
#include <stdexcept>

#include "tessera/error.h"

namespace tessera {
namespace test {
namespace {

void check_code(const std::string& code) {
  if (code == "zz") LanguageNotAvalableError::raise(code);
  if (code != "en") InvalidArgumentError::raise("Invalid code: " + code);
}

}  // namespace

Optional<std::string> FakeEngine::convert_to_3wa(const Coordinates&,
                                                 const Language&) const {
  throw std::logic_error("convert_to_3wa called with a Language");
}

Optional<std::string> FakeEngine::convert_to_3wa(Coordinates position,
                                                 std::string language) const {
  check_code(language);
  if (position.lat == 0) return {};
  return std::string("index.home.raft");
}

Optional<Coordinates> FakeEngine::convert_to_coordinates(
    std::string address) const {
  if (address != "index.home.raft") return {};
  return Coordinates(51.520847, -0.195521);
}

std::vector<Suggestion> FakeEngine::autosuggest(
    std::string input,
    std::vector<std::shared_ptr<AutosuggestOptionImplementation>> options)
    const {
  note(input, options);
  if (input.empty()) Error::raise("Autosuggest is not available yet.");
  if (input == "no.such.words") return {};
  return fake_suggestions();
}

ErrorDescriptor FakeEngine::is_valid_autosuggest_call(
    const std::string& input,
    const std::vector<std::shared_ptr<AutosuggestOptionImplementation>>&
        options) const {
  note(input, options);
  return {static_cast<std::int32_t>(options.size()), input};
}

void FakeEngine::note(const std::string& input,
                      const std::vector<AutosuggestOption>& options) const {
  if (calls_ != nullptr) calls_->push_back({input, options});
}

Optional<std::string> FakeEngine::language_code(std::string address) const {
  if (address.empty()) return {};
  return address;
}

std::vector<GridLine> FakeEngine::grid_section(BoundingBox box) const {
  return {{box.sw, Coordinates(box.sw.lat, box.ne.lng)},
          {box.sw, Coordinates(box.ne.lat, box.sw.lng)}};
}

BoundingBox FakeEngine::grid_square(Coordinates position) const {
  return BoundingBox(position, position);
}

std::string FakeEngine::country_code(Coordinates position) const {
  const double lng = position.lng;
  if (lng == 1) FileError::raise("Missing file: countries");
  if (lng == 2) InvalidArgumentError::raise("Bad argument");
  if (lng == 3) LanguageNotAvalableError::raise("xx");
  if (lng == 4) bad_optional_access::raise();
  if (lng == 5) Error::raise("Plain error");
  if (lng == 6) throw std::out_of_range("vector index 9");
  if (lng == 7) throw std::runtime_error("runtime trouble");
  if (lng == 8) throw 42;
  return "GB";
}

Optional<std::string> FakeEngine::nearest_place(const Coordinates&,
                                                const Language&) const {
  throw std::logic_error("nearest_place called with a Language");
}

Optional<std::string> FakeEngine::nearest_place(Coordinates position,
                                                std::string language) const {
  check_code(language);
  if (position.lat == 0) return {};
  return std::string("Lndn");
}

std::set<std::string> FakeEngine::available_languages() const {
  return {"en", "de", "ja"};
}

std::string FakeEngine::version() const { return "3.5.0-fake"; }

std::string FakeEngine::data_version() const { return "fake data 1"; }

ErrorDescriptor FakeEngine::is_available(
    const Language& language) const noexcept {
  if (language.code == "en") return {};
  return {4, "Language '" + language.code + "' not available."};
}

ErrorDescriptor FakeEngine::is_valid_language_code(
    const std::string& code) const noexcept {
  return {static_cast<std::int32_t>(code.size()), code};
}

ErrorDescriptor FakeEngine::is_valid_utf8(
    const std::string& text) const noexcept {
  return {static_cast<std::int32_t>(text.size()), text};
}

double FakeEngine::distance(const Coordinates& a, const Coordinates& b) const {
  return b.lng - a.lng;
}

std::vector<Suggestion> fake_suggestions() {
  Suggestion near;
  near.words = "index.home.raft";
  near.language = "en";
  near.distance_to_focus_km = 1.5;
  near.country = "GB";
  near.nearest_place = std::string("Lndn");
  Suggestion far;
  far.words = "indexes.home.raft";
  far.language = "en";
  far.country = "ZZ";
  return {near, far};
}

}  // namespace test
}  // namespace tessera
