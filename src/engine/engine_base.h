// The one implementation of the engine interface, written once over a data
// holder (TSRDataDisk or TSRDataMemory) whose accessors both offer.
#ifndef TESSERA_ENGINE_ENGINE_BASE_H_
#define TESSERA_ENGINE_ENGINE_BASE_H_

#include <array>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "clip/clip.h"
#include "tessera/engine.h"
#include "wordlist/three_word_address.h"

namespace tessera {
namespace engine {

template <typename TData>
class EngineBase : public Engine {
 public:
  explicit EngineBase(TData&& data);

  Optional<std::string> convert_to_3wa(const Coordinates& position,
                                       const Language& language) const override;
  Optional<std::string> convert_to_3wa(Coordinates position,
                                       std::string language) const override;
  Optional<Coordinates> convert_to_coordinates(
      std::string address) const override;
  std::vector<Suggestion> autosuggest(
      std::string input,
      std::vector<std::shared_ptr<AutosuggestOptionImplementation>> options)
      const override;
  ErrorDescriptor is_valid_autosuggest_call(
      const std::string& input,
      const std::vector<std::shared_ptr<AutosuggestOptionImplementation>>&
          options) const override;
  Optional<std::string> language_code(std::string address) const override;
  std::vector<GridLine> grid_section(BoundingBox box) const override;
  BoundingBox grid_square(Coordinates position) const override;
  std::string country_code(Coordinates position) const override;
  Optional<std::string> nearest_place(const Coordinates& position,
                                      const Language& language) const override;
  Optional<std::string> nearest_place(Coordinates position,
                                      std::string language) const override;
  std::set<std::string> available_languages() const override;
  std::string version() const override;
  std::string data_version() const override;
  ErrorDescriptor is_available(
      const Language& language) const noexcept override;
  ErrorDescriptor is_valid_language_code(
      const std::string& code) const noexcept override;
  ErrorDescriptor is_valid_utf8(
      const std::string& text) const noexcept override;
  double distance(const Coordinates& a, const Coordinates& b) const override;

  // The address of the square holding `position` in `language`; in English
  // when the square's word numbers lie beyond the language's wordlist.
  // Empty for an excluded square. Throws LanguageNotAvalableError when the
  // language (or English, for the fall-back) is not loaded.
  Optional<wordlist::ThreeWordAddress> encode_coordinates(
      const Coordinates& position, Language language) const;
  // The suggestion of `address`, whose square's centre is `position`: its
  // country, nearest place and, with a focus, its distance from it in km
  // rounded half away from zero to one decimal.
  Suggestion suggestion(const wordlist::ThreeWordAddress& address,
                        const Coordinates& position,
                        const Optional<Coordinates>& focus) const;

  // The suggestion of `input` read as an address, in the form the wordlist
  // stores: empty when it is no address, is one of another language than
  // `language` (when given), or lies where `clip` does not keep it.
  Optional<Suggestion> suggestion_from_exact_match(
      const std::string& input, const Optional<Language>& language,
      const Optional<Coordinates>& focus, const clip::Clip& clip) const;

  // Where three normalised words lie and the language they were found in;
  // empty when they name no square.
  Optional<std::pair<Coordinates, Language>> decode_three_word_address(
      const std::array<std::u16string, 3>& words) const;

  const TData& data() const noexcept { return data_; }

 private:
  TData data_;
};

}  // namespace engine
}  // namespace tessera

#endif  // TESSERA_ENGINE_ENGINE_BASE_H_
