#include "tessera/autosuggest_options.h"

#include <memory>
#include <utility>

#include "engine/autosuggest_option_implementation.h"
#include "engine/autosuggest_settings.h"

namespace tessera {
namespace {

using engine::AutosuggestSettings;

AutosuggestOption option(AutosuggestOptionImplementation::Edit edit) {
  return std::make_shared<AutosuggestOptionImplementation>(std::move(edit));
}

}  // namespace

AutosuggestOption language(const Language& language) {
  return option([language](AutosuggestSettings& s) { s.language = language; });
}

AutosuggestOption disable_language_detection() {
  return option(
      [](AutosuggestSettings& s) { s.disable_language_detection = true; });
}

AutosuggestOption n_results(std::uint32_t count) {
  return option([count](AutosuggestSettings& s) { s.n_results = count; });
}

AutosuggestOption focus(const Coordinates& position) {
  return option([position](AutosuggestSettings& s) { s.focus = position; });
}

AutosuggestOption n_focus_results(unsigned count) {
  return option([count](AutosuggestSettings& s) { s.n_focus_results = count; });
}

AutosuggestOption clip_to_circle(const Circle& circle) {
  return option([circle](AutosuggestSettings& s) { s.clip_circle = circle; });
}

AutosuggestOption clip_to_bounding_box(const BoundingBox& box) {
  return option([box](AutosuggestSettings& s) { s.clip_bounding_box = box; });
}

AutosuggestOption clip_to_polygon(const Polygon& polygon) {
  return option(
      [polygon](AutosuggestSettings& s) { s.clip_polygon = polygon; });
}

AutosuggestOption clip_to_countries(const std::set<Country>& countries) {
  return option(
      [countries](AutosuggestSettings& s) { s.clip_countries = countries; });
}

AutosuggestOption input_type(const std::string& name) {
  return option([name](AutosuggestSettings& s) { s.input_type = name; });
}

AutosuggestOption prefer_land(bool prefer) {
  return option([prefer](AutosuggestSettings& s) { s.prefer_land = prefer; });
}

}  // namespace tessera
