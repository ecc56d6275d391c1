#include "engine/autosuggest_settings.h"

#include <utility>

#include "engine/autosuggest_option_implementation.h"
#include "tessera/error.h"

namespace tessera {
namespace engine {

AutosuggestSettings::AutosuggestSettings()
    : disable_language_detection(false), n_results(3), input_type("text") {}

AutosuggestSettings::AutosuggestSettings(
    const Optional<Language>& language, bool disable_language_detection,
    std::uint32_t n_results, const Optional<Coordinates>& focus,
    const Optional<unsigned>& n_focus_results,
    const Optional<Circle>& clip_circle,
    const Optional<BoundingBox>& clip_bounding_box,
    const Optional<Polygon>& clip_polygon,
    const Optional<std::set<Country>>& clip_countries,
    const std::string& input_type, Optional<bool> prefer_land)
    : language(language),
      disable_language_detection(disable_language_detection),
      n_results(n_results),
      focus(focus),
      n_focus_results(n_focus_results),
      clip_circle(clip_circle),
      clip_bounding_box(clip_bounding_box),
      clip_polygon(clip_polygon),
      clip_countries(clip_countries),
      input_type(input_type),
      prefer_land(std::move(prefer_land)) {}

AutosuggestSettings autosuggest_settings(
    const std::vector<std::shared_ptr<AutosuggestOptionImplementation>>&
        options) {
  AutosuggestSettings settings;
  for (const auto& option : options) {
    if (!option) InvalidArgumentError::raise("An autosuggest option is null.");
    option->apply(settings);
  }
  return settings;
}

}  // namespace engine
}  // namespace tessera
