// What one autosuggest call asks for, folded from the caller's options.
#ifndef TESSERA_ENGINE_AUTOSUGGEST_SETTINGS_H_
#define TESSERA_ENGINE_AUTOSUGGEST_SETTINGS_H_

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tessera/autosuggest_option.h"
#include "tessera/bounding_box.h"
#include "tessera/circle.h"
#include "tessera/coordinates.h"
#include "tessera/country.h"
#include "tessera/language.h"
#include "tessera/optional.h"
#include "tessera/polygon.h"

namespace tessera {
namespace engine {

// The settings of one autosuggest call. A plain record: it checks nothing
// itself (each shape checked itself when it was built; the pipeline checks
// how the fields combine). Built per call and used by that call only.
struct AutosuggestSettings {
  // No language, language detection on, 3 results, no focus, no clipping,
  // input type "text", sea words left out.
  AutosuggestSettings();
  AutosuggestSettings(const Optional<Language>& language,
                      bool disable_language_detection, std::uint32_t n_results,
                      const Optional<Coordinates>& focus,
                      const Optional<unsigned>& n_focus_results,
                      const Optional<Circle>& clip_circle,
                      const Optional<BoundingBox>& clip_bounding_box,
                      const Optional<Polygon>& clip_polygon,
                      const Optional<std::set<Country>>& clip_countries,
                      const std::string& input_type,
                      Optional<bool> prefer_land);

  // The language to search in; empty: the input type's and the guessed ones.
  Optional<Language> language;
  // Search only `language`.
  bool disable_language_detection;
  // How many suggestions are returned at most.
  std::uint32_t n_results;
  // The position near which results are preferred.
  Optional<Coordinates> focus;
  // How many of the returned suggestions come from the focus ranking;
  // empty means n_results.
  Optional<unsigned> n_focus_results;
  // Positions outside any clip set here are never suggested.
  Optional<Circle> clip_circle;
  Optional<BoundingBox> clip_bounding_box;
  Optional<Polygon> clip_polygon;
  Optional<std::set<Country>> clip_countries;
  // The name of the input type that reads the input.
  std::string input_type;
  // True or empty: sea words and positions at sea are not suggested.
  Optional<bool> prefer_land;
};

// The default settings edited by each option in turn, in list order, so a
// later option that sets a field overwrites an earlier one.
//
// Throws std::bad_function_call for an option that holds no edit,
// InvalidArgumentError "An autosuggest option is null." for a null pointer
// in the list, and whatever an option's edit throws.
AutosuggestSettings autosuggest_settings(
    const std::vector<std::shared_ptr<AutosuggestOptionImplementation>>&
        options);

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_AUTOSUGGEST_SETTINGS_H_
