// The conversion engine: three-word addresses from positions and back, and
// the queries around them.
//
// An engine is immutable once its factory returns it. Every operation is
// const and may be called from any number of threads at once.
#ifndef TESSERA_ENGINE_H_
#define TESSERA_ENGINE_H_

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tessera/autosuggest_option.h"
#include "tessera/bounding_box.h"
#include "tessera/coordinates.h"
#include "tessera/error_descriptor.h"
#include "tessera/grid_line.h"
#include "tessera/language.h"
#include "tessera/optional.h"
#include "tessera/suggestion.h"

namespace tessera {

class Engine {
 public:
  // The address text of the square holding the position; empty for an
  // excluded square. Throws LanguageNotAvalableError for a language that is
  // not loaded, InvalidArgumentError for a malformed code.
  virtual Optional<std::string> convert_to_3wa(
      const Coordinates& position, const Language& language) const = 0;
  virtual Optional<std::string> convert_to_3wa(Coordinates position,
                                               std::string language) const = 0;
  // The centre of the square an address names; empty when it names none.
  virtual Optional<Coordinates> convert_to_coordinates(
      std::string address) const = 0;
  virtual std::vector<Suggestion> autosuggest(
      std::string input,
      std::vector<std::shared_ptr<AutosuggestOptionImplementation>> options)
      const = 0;
  virtual ErrorDescriptor is_valid_autosuggest_call(
      const std::string& input,
      const std::vector<std::shared_ptr<AutosuggestOptionImplementation>>&
          options) const = 0;
  // The language code of an address; empty when it is not one.
  virtual Optional<std::string> language_code(std::string address) const = 0;
  // The grid lines inside a small box. Throws InvalidArgumentError when the
  // box is too large.
  virtual std::vector<GridLine> grid_section(BoundingBox box) const = 0;
  virtual BoundingBox grid_square(Coordinates position) const = 0;
  // "ZZ" where no country holds the position.
  virtual std::string country_code(Coordinates position) const = 0;
  virtual Optional<std::string> nearest_place(
      const Coordinates& position, const Language& language) const = 0;
  virtual Optional<std::string> nearest_place(Coordinates position,
                                              std::string language) const = 0;
  virtual std::set<std::string> available_languages() const = 0;
  virtual std::string version() const = 0;
  virtual std::string data_version() const = 0;
  // These three never throw; every outcome is in the descriptor.
  virtual ErrorDescriptor is_available(
      const Language& language) const noexcept = 0;
  virtual ErrorDescriptor is_valid_language_code(
      const std::string& code) const noexcept = 0;
  virtual ErrorDescriptor is_valid_utf8(
      const std::string& text) const noexcept = 0;
  virtual ~Engine() = default;
  // Haversine distance in kilometres.
  virtual double distance(const Coordinates& a, const Coordinates& b) const = 0;
};

// The disk-backed engine: large data files stay open on disk and are read on
// demand, under one lock per file. Throws the engine's errors when the data
// directory at `path` cannot be loaded; nothing is left behind then.
std::unique_ptr<Engine> new_device_engine(std::string path);

// The in-memory engine: every data file is loaded into memory. Throws as
// new_device_engine does.
std::unique_ptr<Engine> new_server_engine(std::string path);

}  // namespace tessera

#endif  // TESSERA_ENGINE_H_
